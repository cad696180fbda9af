// Handlers whose work is not built yet. Their commands are disabled (disableUnbuiltCommands), so
// none of these runs from the user interface. Each area moves its handler to its own
// *_handlers.cpp when it builds the work, and removes its command from disableUnbuiltCommands.
#include "app/main_window.h"

void TForm1::Createmameini1Click() {}
void TForm1::Editmameini1Click() {}
void TForm1::GettingStarted1Click() {}
void TForm1::About1Click() {}
void TForm1::LegendBtnClick() {}
