// The "mame.ini" entries of the Settings menu.
#include "app/main_window.h"
#include "emulator/file_opener.h"
#include "emulator/mame_ini.h"

void TForm1::Createmameini1Click() { zarn::CreateMameIni(paths().executable, *this); }

void TForm1::Editmameini1Click() {
    zarn::EditMameIni(paths().executable, *this, [](const std::string& path) { FileOpener::open(path); });
}
