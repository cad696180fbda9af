// The Help menu and the legend button.
#include "app/main_window.h"
#include "media/about_window.h"
#include "media/help_window.h"
#include "media/legend_window.h"

#include <QAction>

void TForm1::GettingStarted1Click() {
    if (HelpFrm->isVisible())
        HelpFrm->hide();
    else
        HelpFrm->show();
}

void TForm1::About1Click() { AboutFrm->exec(); }

void TForm1::LegendBtnClick() {
    // The button's pressed state is set by the legend's show and hide, so it always tells the truth.
    if (LegendFrm->isVisible())
        LegendFrm->hide();
    else
        LegendFrm->show();
}
