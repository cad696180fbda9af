#include "app/app_windows.h"

#include "app/main_window.h"
#include "console/console_window.h"
#include "emulator/options_dialog.h"
#include "mame/extract_window.h"
#include "media/about_window.h"
#include "media/help_window.h"
#include "media/legend_window.h"
#include "roms/verify_window.h"
#include "settings/paths_dialog.h"

AppWindows createAppWindows(const zarn::AppContext& ctx) {
    AppWindows w;
    w.Form1 = new TForm1(ctx);
    w.SettingsFrm = new TSettingsFrm(w.Form1, w.Form1->context(), *w.Form1);
    w.AboutFrm = new TAboutFrm(w.Form1);
    w.ExtractForm = new TExtractForm(w.Form1);
    w.ConsoleFrm = new TConsoleFrm(w.Form1);
    w.MAMEOpts = new TMAMEOpts(w.Form1, w.Form1->context());
    w.VerForm = new TVerForm(w.Form1);
    w.LegendFrm = new TLegendFrm(w.Form1);
    w.HelpFrm = new THelpFrm(w.Form1);
    w.Form1->attachWindows(w.SettingsFrm, w.AboutFrm, w.ExtractForm, w.ConsoleFrm, w.MAMEOpts,
                           w.VerForm, w.LegendFrm, w.HelpFrm);
    return w;
}
