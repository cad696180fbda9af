// Game Data > Read history.dat and Read nplayers.ini.
#include "app/main_window.h"

#include "media/history_dat.h"
#include "media/nplayers_ini.h"
#include "table/game_table_model.h"

#include <QScopeGuard>
#include <QTableView>

namespace {

// Tells the grid that every cell of one column may have changed, keeping its current cell (a
// model reset would lose it).
void columnChanged(GameTableModel& model, int column) {
    if (column < 0 || model.rowCount() == 0)
        return;
    emit model.dataChanged(model.index(0, column), model.index(model.rowCount() - 1, column));
}

} // namespace

void TForm1::Readhistorydat1Click() {
    if (!askYesNo("Parse HISTORY.DAT file data into table (15-60 seconds)?"))
        return;
    setCursor(zarn::CursorKind::Busy);
    const auto restoreCursor = qScopeGuard([this] { setCursor(zarn::CursorKind::Normal); });

    // The grid stays on the ROM column after the import.
    const int romColumn = zarn::ColumnIndex("ROM");
    const QModelIndex current = Grid->currentIndex();
    if (current.isValid() && current.column() != romColumn)
        Grid->setCurrentIndex(model_->index(current.row(), romColumn));
    {
        Grid->setUpdatesEnabled(false);
        const auto resume = qScopeGuard([this] { Grid->setUpdatesEnabled(true); });
        zarn::ParseHistoryDat(table_, paths().history, *this);
    }
    columnChanged(*model_, zarn::ColumnIndex("Bio"));
    // Saved whether or not the file could be read; its message replaces the progress text.
    SaveTableData();
}

void TForm1::Readnplayersini1Click() {
    if (!askYesNo("Parse nplayers.ini file data into table (1-10 seconds)?"))
        return;
    setCursor(zarn::CursorKind::Busy);
    const auto restoreCursor = qScopeGuard([this] { setCursor(zarn::CursorKind::Normal); });
    {
        Grid->setUpdatesEnabled(false);
        const auto resume = qScopeGuard([this] { Grid->setUpdatesEnabled(true); });
        zarn::ParseNPlayersIni(table_, ctx_, *this);
    }
    columnChanged(*model_, zarn::ColumnIndex("Players"));
    // Also saved when the file is missing; the save message is the report of success.
    SaveTableData();
}
