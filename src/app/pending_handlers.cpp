// Handlers whose work is not built yet. Their commands are disabled (disableUnbuiltCommands), so
// none of these runs from the user interface. Each area moves its handler to its own
// *_handlers.cpp when it builds the work, and removes its command from disableUnbuiltCommands.
#include "app/main_window.h"

void TForm1::EditOptions1Click() {}
void TForm1::Readgames1Click() {}
void TForm1::Readhistorydat1Click() {}
void TForm1::Readnplayersini1Click() {}
void TForm1::autosaveplayedfield1Click() {}
void TForm1::PlayBtnClick() {}
void TForm1::KillBtnClick() {}
void TForm1::GridSelectCell(int, int) {}
void TForm1::GridTimerTimer() {}
void TForm1::proctimerTimer() {}
void TForm1::TabControl1Change() {}
