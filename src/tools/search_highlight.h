#pragma once

#include <QStyledItemDelegate>

#include <string>
#include <utility>
#include <vector>

// Draws the grid's cells, marking every occurrence of the search text in one row. The mark is
// drawn only: the cells keep their stored texts.
class SearchHighlightDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit SearchHighlightDelegate(QObject* parent = nullptr) : QStyledItemDelegate(parent) {}

    // Marks the text in the model row (-1 or an empty text: nothing marked).
    void setHighlight(int modelRow, std::string text);
    void clear() { setHighlight(-1, {}); }
    int highlightedRow() const { return row_; }

    // The marked character ranges of a cell's shown text (start, length).
    std::vector<std::pair<int, int>> ranges(const QModelIndex& index) const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

signals:
    void changed();

private:
    int row_ = -1;
    std::string text_;
};
