#pragma once

#include "app/context.h"

class TForm1;
class TSettingsFrm;
class TAboutFrm;
class TExtractForm;
class TConsoleFrm;
class TMAMEOpts;
class TVerForm;
class TLegendFrm;
class THelpFrm;

// The program's nine windows, each created once, hidden, and living until the program ends.
struct AppWindows {
    TForm1* Form1 = nullptr;
    TSettingsFrm* SettingsFrm = nullptr;
    TAboutFrm* AboutFrm = nullptr;
    TExtractForm* ExtractForm = nullptr;
    TConsoleFrm* ConsoleFrm = nullptr;
    TMAMEOpts* MAMEOpts = nullptr;
    TVerForm* VerForm = nullptr;
    TLegendFrm* LegendFrm = nullptr;
    THelpFrm* HelpFrm = nullptr;
};

// Creates the nine windows in their order, the main window first; the others are owned by it.
AppWindows createAppWindows(const zarn::AppContext& ctx);
