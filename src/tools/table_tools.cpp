#include "tools/table_tools.h"

#include "app/main_window.h"
#include "tools/game_header_view.h"
#include "tools/search_highlight.h"
#include "table/game_table_model.h"

#include <QEvent>
#include <QLocale>
#include <QScrollBar>
#include <QTableView>

TableTools::TableTools(TForm1* form) : QObject(form), form_(form) {
    setObjectName(QStringLiteral("TableTools"));
    highlight_ = new SearchHighlightDelegate(this);
    QTableView* grid = form->Grid;
    grid->setItemDelegate(highlight_);
    connect(highlight_, &SearchHighlightDelegate::changed, grid->viewport(), [grid] { grid->viewport()->update(); });

    GameHeaderView* head = header();
    head->setFixedColumn(zarn::ColumnIndex("Status"));
    connect(head, &GameHeaderView::sortClicked, this, &TableTools::headerClicked);

    // The mark belongs to the row it was found in; moving on or reloading drops it.
    connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!current.isValid() || current.row() != highlight_->highlightedRow())
                    highlight_->clear();
            });
    connect(&form->model(), &QAbstractItemModel::modelReset, this, [this] {
        highlight_->clear();
        stretchLastColumn();
    });

    connect(head, &QHeaderView::sectionResized, this, [this](int logical) {
        const auto shown = shownColumnsInDisplayOrder();
        if (shown.empty() || logical != shown.back())
            stretchLastColumn();
    });
    connect(head, &QHeaderView::sectionMoved, this, [this] { stretchLastColumn(); });
    connect(head, &QHeaderView::sectionCountChanged, this, [this] { stretchLastColumn(); });
    grid->installEventFilter(this);
    grid->viewport()->installEventFilter(this);
}

GameHeaderView* TableTools::header() const {
    return static_cast<GameHeaderView*>(form_->Grid->horizontalHeader());
}

bool TableTools::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && (watched == form_->Grid || watched == form_->Grid->viewport()))
        stretchLastColumn();
    return QObject::eventFilter(watched, event);
}

std::vector<int> TableTools::shownColumnsInDisplayOrder() const {
    const QHeaderView* head = form_->Grid->horizontalHeader();
    std::vector<int> columns;
    for (int v = 0; v < head->count(); ++v) {
        const int logical = head->logicalIndex(v);
        if (logical >= 0 && !head->isSectionHidden(logical))
            columns.push_back(logical);
    }
    return columns;
}

void TableTools::stretchLastColumn() {
    if (stretching_)
        return;
    const auto shown = shownColumnsInDisplayOrder();
    if (shown.empty())
        return;
    QHeaderView* head = form_->Grid->horizontalHeader();
    int others = 0;
    for (size_t i = 0; i + 1 < shown.size(); ++i)
        others += head->sectionSize(shown[i]);
    const int inner = form_->Grid->viewport()->width();
    const int width = others < inner ? inner - others - 1 : zarn::GameTable::kDesignColumnWidth;
    if (width <= 0 || head->sectionSize(shown.back()) == width)
        return;
    stretching_ = true;
    head->resizeSection(shown.back(), width);
    stretching_ = false;
}

zarn::SortLocale TableTools::sortLocale() {
    const QLocale locale;
    zarn::SortLocale out;
    const QString point = locale.decimalPoint();
    if (point.size() == 1 && point[0].unicode() < 0x80)
        out.decimalSeparator = static_cast<char>(point[0].unicode());
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    const qsizetype d = format.indexOf(QLatin1Char('d')), m = format.indexOf(QLatin1Char('M')),
                    y = format.indexOf(QLatin1Char('y'));
    if (d >= 0 && m >= 0 && y >= 0) {
        if (y < m && m < d)
            out.dateOrder = zarn::SortLocale::DateOrder::YearMonthDay;
        else if (d < m)
            out.dateOrder = zarn::SortLocale::DateOrder::DayMonthYear;
        else
            out.dateOrder = zarn::SortLocale::DateOrder::MonthDayYear;
    }
    return out;
}

void TableTools::headerClicked(int logical, bool shift) {
    zarn::GameTable& table = form_->table();
    if (table.rowCount() <= 2 || logical < 0 || logical >= table.columnCount())
        return;
    // GridCanSort: every column may sort; the hourglass shows meanwhile.
    const zarn::CursorKind before = form_->cursorKind();
    form_->setCursor(zarn::CursorKind::Busy);
    zarn::UpdateSortKeys(keys_, logical, shift);
    const int row = form_->currentRow();
    const int scroll = form_->Grid->verticalScrollBar()->value();
    const zarn::SortLocale locale = sortLocale();
    form_->model().bulkChange([&] { zarn::SortTable(table, keys_, locale); });
    header()->setSortKeys(keys_);
    // The row number stays; whichever game now stands there is the selected one.
    if (row > 0)
        form_->setCurrentRow(row);
    form_->Grid->verticalScrollBar()->setValue(scroll);
    // GridClickSort.
    form_->setCursor(before);
}

void installTableTools(TForm1* form) { new TableTools(form); }

TableTools* tableTools(TForm1* form) { return form->findChild<TableTools*>(QStringLiteral("TableTools")); }
