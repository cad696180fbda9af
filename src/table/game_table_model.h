#pragma once

#include "table/game_table.h"

#include <QAbstractTableModel>
#include <QIcon>

#include <functional>
#include <vector>

// The grid's model over the game table: model row r is table row r + 1 (row 0 is the header).
// Bulk changes (import, load, sort) are wrapped in one reset; single cells announce themselves.
class GameTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GameTableModel(zarn::GameTable& table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    zarn::GameTable& table() { return table_; }

    // Runs a bulk change of the table as one model reset.
    void bulkChange(const std::function<void()>& change);
    // Announces that rows of the table changed outside bulkChange.
    void refreshAll();
    void cellChanged(int column, int tableRow);

    void setStatusIcons(std::vector<QIcon> icons) { icons_ = std::move(icons); }
    // Extra text shown in a header after the name (the sort marks use it).
    void setHeaderSuffix(int column, const QString& suffix);

private:
    zarn::GameTable& table_;
    std::vector<QIcon> icons_;
    std::vector<QString> headerSuffix_;
};
