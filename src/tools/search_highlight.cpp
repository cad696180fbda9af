#include "tools/search_highlight.h"

#include "tools/search.h"
#include "tools/text_chars.h"

#include <QApplication>
#include <QPainter>

void SearchHighlightDelegate::setHighlight(int modelRow, std::string text) {
    row_ = text.empty() ? -1 : modelRow;
    text_ = std::move(text);
    emit changed();
}

std::vector<std::pair<int, int>> SearchHighlightDelegate::ranges(const QModelIndex& index) const {
    std::vector<std::pair<int, int>> out;
    if (row_ < 0 || !index.isValid() || index.row() != row_)
        return out;
    const QString shown = index.data(Qt::DisplayRole).toString();
    if (shown.isEmpty())
        return out;
    // Work in characters, then map back to the shown text's UTF-16 positions.
    const std::u32string chars = shown.toStdU32String();
    std::vector<int> offsets(chars.size() + 1, 0);
    for (size_t i = 0; i < chars.size(); ++i)
        offsets[i + 1] = offsets[i] + (chars[i] >= 0x10000 ? 2 : 1);
    for (const auto& [start, length] : zarn::FindOccurrences(chars, text_))
        out.emplace_back(offsets[start], offsets[start + length] - offsets[start]);
    return out;
}

void SearchHighlightDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
    const auto marks = ranges(index);
    if (marks.empty()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString text = opt.text;
    opt.text.clear();
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

    QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget);
    textRect.adjust(2, 0, -2, 0);
    painter->save();
    painter->setClipRect(textRect);
    painter->setFont(opt.font);
    const QFontMetrics metrics(opt.font);
    const bool selected = opt.state & QStyle::State_Selected;
    const QColor normal = opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    int x = textRect.left();
    const int baseline = textRect.top() + (textRect.height() - metrics.height()) / 2 + metrics.ascent();
    int at = 0;
    auto drawPiece = [&](int from, int to, bool marked) {
        if (to <= from)
            return;
        const QString piece = text.mid(from, to - from);
        const int width = metrics.horizontalAdvance(piece);
        if (marked) {
            painter->fillRect(QRect(x, textRect.top() + 1, width, textRect.height() - 2), QColor(255, 255, 0));
            painter->setPen(Qt::black);
        } else {
            painter->setPen(normal);
        }
        painter->drawText(x, baseline, piece);
        x += width;
    };
    for (const auto& [start, length] : marks) {
        drawPiece(at, start, false);
        drawPiece(start, start + length, true);
        at = start + length;
    }
    drawPiece(at, static_cast<int>(text.size()), false);
    painter->restore();
}
