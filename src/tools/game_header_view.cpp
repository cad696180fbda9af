#include "tools/game_header_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

GameHeaderView::GameHeaderView(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionsClickable(true);
    // "Status" is narrower than the style's usual minimum.
    setMinimumSectionSize(8);
    connect(this, &QHeaderView::sectionMoved, this, [this] {
        if (pressed_)
            changed_ = true;
    });
    connect(this, &QHeaderView::sectionResized, this, [this] {
        if (pressed_)
            changed_ = true;
    });
}

void GameHeaderView::setFixedColumn(int logical) {
    fixed_ = logical;
    if (logical >= 0 && logical < count())
        setSectionResizeMode(logical, QHeaderView::Fixed);
}

void GameHeaderView::setSortKeys(const zarn::SortKeyList& keys) {
    keys_ = keys;
    viewport()->update();
}

bool GameHeaderView::nearBorder(int x) const {
    const int logical = logicalIndexAt(x);
    if (logical < 0)
        return false;
    const int left = sectionViewportPosition(logical);
    const int right = left + sectionSize(logical);
    return x - left < kBorderMargin || right - x < kBorderMargin;
}

void GameHeaderView::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    changed_ = false;
    const int x = event->position().toPoint().x();
    // A press inside the fixed column (away from a border, which may belong to its neighbour)
    // would start moving it: keep it from the base class.
    pressedSection_ = nearBorder(x) ? -1 : logicalIndexAt(x);
    passedOn_ = !(logicalIndexAt(x) == fixed_ && fixed_ >= 0 && !nearBorder(x));
    if (passedOn_)
        QHeaderView::mousePressEvent(event);
}

void GameHeaderView::mouseMoveEvent(QMouseEvent* event) {
    if (pressed_ && !passedOn_)
        return;
    QHeaderView::mouseMoveEvent(event);
}

void GameHeaderView::mouseReleaseEvent(QMouseEvent* event) {
    const bool wasPressed = pressed_ && event->button() == Qt::LeftButton;
    pressed_ = false;
    if (passedOn_)
        QHeaderView::mouseReleaseEvent(event);
    if (!wasPressed || changed_)
        return;
    const QPoint pos = event->position().toPoint();
    if (!rect().contains(pos) || nearBorder(pos.x()))
        return;
    // A click: down and up on the same header cell (a press at a border starts a resize).
    const int logical = logicalIndexAt(pos.x());
    if (logical >= 0 && logical == pressedSection_)
        emit sortClicked(logical, event->modifiers() & Qt::ShiftModifier);
}

void GameHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    painter->save();
    QHeaderView::paintSection(painter, rect, logicalIndex);
    painter->restore();
    for (size_t place = 0; place < keys_.size(); ++place) {
        if (keys_[place].column != logicalIndex)
            continue;
        const int size = std::min(14, rect.height() - 2);
        if (size < 6 || rect.width() < size + 4)
            return;
        const QRectF box(rect.right() - size - 2, rect.top() + (rect.height() - size) / 2.0, size, size);
        QPainterPath triangle;
        if (keys_[place].descending) {
            triangle.moveTo(box.topLeft());
            triangle.lineTo(box.topRight());
            triangle.lineTo(box.center().x(), box.bottom());
        } else {
            triangle.moveTo(box.bottomLeft());
            triangle.lineTo(box.bottomRight());
            triangle.lineTo(box.center().x(), box.top());
        }
        triangle.closeSubpath();
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QColor(128, 128, 0));
        painter->setBrush(QColor(255, 255, 0));
        painter->drawPath(triangle);
        QFont small = font();
        small.setPointSize(6);
        painter->setFont(small);
        painter->setPen(Qt::black);
        QRectF label = box;
        label.translate(0, keys_[place].descending ? -size / 6.0 : size / 6.0);
        painter->drawText(label, Qt::AlignCenter, QString::number(place + 1));
        painter->restore();
        return;
    }
}
