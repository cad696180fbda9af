// The main window's handlers for MAME options, game starts and the running game.
#include "app/main_window.h"

#include "emulator/game_launch.h"
#include "emulator/options_dialog.h"
#include "table/game_table_model.h"

#include <QAction>
#include <QTimer>

void TForm1::EditOptions1Click() { MAMEOpts->exec(); }

void TForm1::PlayBtnClick() { LaunchGame(); }

void TForm1::LaunchGame() {
    zarn::LaunchRequest request;
    // With no row chosen yet the grid's first row counts as current, as it is shown.
    request.row = currentRow() > 0 ? currentRow() : 1;
    request.mamePath = paths().executable;
    request.autosave = autosaveplayedfield1->isChecked();
    request.saveTable = [this] { SaveTableData(); };
    request.optionArgs = [this] {
        MAMEOpts->BuildOptionArgs();
        return MAMEOpts->OptionArgs;
    };
    const zarn::LaunchOutcome outcome = zarn::LaunchGame(table(), request, emulator_, context(), *this);
    if (outcome != zarn::LaunchOutcome::Refused)
        model().cellChanged(zarn::ColumnIndex("Played"), request.row);
    if (outcome == zarn::LaunchOutcome::Started)
        proctimer->start();
}

void TForm1::proctimerTimer() {
    if (!emulator_.active()) {
        proctimer->stop();
        return;
    }
    const bool running = zarn::MonitorTick(emulator_, context(), *this, [this] {
        KillBtn->setEnabled(false);
        proctimer->stop();
    });
    if (running)
        KillBtn->setEnabled(true);
}

void TForm1::KillBtnClick() { zarn::KillGame(emulator_, paths().executable, *this); }

void TForm1::autosaveplayedfield1Click() {
    if (autosaveplayedfield1->isChecked()) {
        autosaveplayedfield1->setChecked(false);
        return;
    }
    autosaveplayedfield1->setChecked(
        askYesNo("This will save table data before starting each game. Loading times will increase "
                 "especially for network drives. Continue ?"));
}
