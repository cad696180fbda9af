// Search from the tool bar: from the beginning (with highlight), onward and back.
#include "app/main_window.h"
#include "tools/search.h"
#include "tools/search_highlight.h"
#include "tools/table_tools.h"

#include <QLineEdit>
#include <QTableView>

namespace {

// Runs one search, reports it and makes the found row current; returns the row found or 0.
int findFrom(TForm1& form, int startRow, bool down) {
    const std::string text = form.FindBox->text().toStdString();
    const int found = zarn::FindGameRow(form.table(), text, startRow, down);
    zarn::ReportFind(form, found);
    if (found > 0)
        form.setCurrentRow(found);
    const int current = form.currentRow();
    if (current > 0) {
        const QModelIndex index = form.Grid->currentIndex();
        form.Grid->selectRow(current - 1);
        form.Grid->scrollTo(index);
    }
    return found;
}

} // namespace

void TForm1::FindBtnClick() {
    findFrom(*this, 1, true);
    const int current = currentRow();
    if (current > 0)
        tableTools(this)->highlight()->setHighlight(current - 1, FindBox->text().toStdString());
}

void TForm1::FindNextBtnClick() {
    tableTools(this)->highlight()->clear();
    findFrom(*this, currentRow() + 1, true);
}

void TForm1::FindPrevBtnClick() {
    tableTools(this)->highlight()->clear();
    findFrom(*this, currentRow() - 1, false);
}
