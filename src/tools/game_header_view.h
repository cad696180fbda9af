#pragma once

#include "tools/sort.h"

#include <QHeaderView>

#include <functional>

// The grid's column header. A click sorts (sortClicked) unless it was near a border, ended a
// move or a resize, or left the header; the "Status" column can be neither moved nor resized;
// sort keys show as a yellow triangle with the key's place.
class GameHeaderView : public QHeaderView {
    Q_OBJECT
public:
    explicit GameHeaderView(QWidget* parent = nullptr);

    // The logical column that never moves or resizes (-1: none).
    void setFixedColumn(int logical);
    int fixedColumn() const { return fixed_; }
    // The keys whose marks are drawn.
    void setSortKeys(const zarn::SortKeyList& keys);
    const zarn::SortKeyList& sortKeys() const { return keys_; }

    // The header events by their documented names.
    bool GridColumnMove(int logical) const { return logical != fixed_; }
    bool GridColumnSize(int logical) const { return logical != fixed_; }

    // Distance in pixels from a section border within which a press resizes instead of clicking.
    static constexpr int kBorderMargin = 4;

signals:
    void sortClicked(int logical, bool shift);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    // True when x lies within kBorderMargin of the left or right border of the section under it.
    bool nearBorder(int x) const;

    int fixed_ = -1;
    zarn::SortKeyList keys_;
    bool pressed_ = false;
    bool passedOn_ = false; // the press went to the base class (it may move or resize)
    bool changed_ = false;
    int pressedSection_ = -1; // the section pressed away from its borders  // a move or resize happened during this press
};
