// Export of the table as HTML, spreadsheet or aligned text.
#include "app/dialogs.h"
#include "app/main_window.h"
#include "tools/export.h"
#include "tools/table_tools.h"

#include <QHeaderView>
#include <QTableView>

namespace {

const QString kFilters[3] = {QStringLiteral("html (*.html)"), QStringLiteral("xls (*.xls)"),
                             QStringLiteral("ascii text (*.txt)")};

std::string hex(const QColor& color) {
    return color.name(QColor::HexRgb).mid(1).toUpper().toStdString();
}

} // namespace

void TForm1::ExportGamelist1Click() {
    TableTools* tools = tableTools(this);
    QString selected = tools->lastExportFilter.isEmpty() ? kFilters[0] : tools->lastExportFilter;
    const QString filters = kFilters[0] + QStringLiteral(";;") + kFilters[1] + QStringLiteral(";;") + kFilters[2];
    const QString chosen = Dialogs::getSaveFileName(this, QStringLiteral("Extract Game Data"), filters, &selected);
    if (chosen.isEmpty())
        return;
    tools->lastExportFilter = selected;

    // The type chosen in the list decides the format, never the name typed.
    zarn::ExportFormat format = zarn::ExportFormat::Html;
    if (selected == kFilters[1])
        format = zarn::ExportFormat::Xls;
    else if (selected == kFilters[2])
        format = zarn::ExportFormat::Text;

    // The colours the table is drawn with: header, the two row bands, the text.
    const QPalette grid = Grid->palette();
    zarn::ExportColors colors;
    colors.header = hex(Grid->horizontalHeader()->palette().color(QPalette::Button));
    colors.oddRow = hex(grid.color(QPalette::Base));
    colors.evenRow = hex(grid.color(QPalette::AlternateBase));
    colors.text = hex(grid.color(QPalette::Text));

    const std::vector<int> columns = zarn::ExportColumns(tools->shownColumnsInDisplayOrder());
    const std::string path = zarn::ExportFileName(chosen.toStdString(), format);
    if (format == zarn::ExportFormat::Html) {
        zarn::WriteExport(path, format, table(), columns, colors);
        return;
    }
    const zarn::CursorKind before = cursorKind();
    setCursor(zarn::CursorKind::Busy);
    try {
        zarn::WriteExport(path, format, table(), columns, colors);
    } catch (...) {
        setCursor(before);
        throw;
    }
    setCursor(before);
}
