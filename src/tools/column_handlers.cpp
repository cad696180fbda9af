// Saving and restoring the column widths by display position.
#include "app/main_window.h"
#include "tools/column_sizes.h"
#include "tools/table_tools.h"

#include <QHeaderView>
#include <QTableView>

void TForm1::SaveColumnSizes1Click() {
    const QHeaderView* header = Grid->horizontalHeader();
    std::vector<int> widths;
    for (int logical : tableTools(this)->shownColumnsInDisplayOrder())
        widths.push_back(header->sectionSize(logical));
    zarn::SaveColumnSizes(context().columnSizesPath(), widths);
}

void TForm1::LoadColumnWidths() {
    const std::vector<int> positions = tableTools(this)->shownColumnsInDisplayOrder();
    const auto widths = zarn::LoadColumnSizes(context().columnSizesPath(), static_cast<int>(positions.size()));
    if (!widths)
        return;
    for (size_t p = 0; p < positions.size(); ++p) {
        if (table().columnWidth(positions[p]) != (*widths)[p])
            table().setColumnWidth(positions[p], (*widths)[p]);
    }
    syncColumnsToView();
}
