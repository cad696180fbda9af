#include "table/game_table_model.h"

#include "table/cell_text.h"

GameTableModel::GameTableModel(zarn::GameTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table), headerSuffix_(zarn::kColumnCount) {}

int GameTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(0, table_.rowCount() - 1);
}

int GameTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.columnCount();
}

QVariant GameTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const int tableRow = index.row() + 1;
    const int column = index.column();
    if (tableRow >= table_.rowCount() || column >= table_.columnCount())
        return {};
    switch (role) {
    case Qt::DisplayRole: {
        // The grid shows a single line of each cell.
        const std::string& text = table_.cell(column, tableRow);
        const size_t lf = text.find('\n');
        return cellToDisplay(lf == std::string::npos ? std::string_view(text)
                                                     : std::string_view(text).substr(0, lf));
    }
    case Qt::DecorationRole:
        if (column == 0) {
            const int icon = table_.icon(tableRow);
            if (icon >= 0 && icon < static_cast<int>(icons_.size()))
                return icons_[icon];
        }
        return {};
    default:
        return {};
    }
}

QVariant GameTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= table_.columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole) {
        QString text = table_.rowCount() > 0 ? cellToDisplay(table_.cell(section, 0)) : QString();
        if (section < static_cast<int>(headerSuffix_.size()))
            text += headerSuffix_[section];
        return text;
    }
    return {};
}

void GameTableModel::bulkChange(const std::function<void()>& change) {
    beginResetModel();
    try {
        change();
    } catch (...) {
        endResetModel();
        throw;
    }
    endResetModel();
}

void GameTableModel::refreshAll() {
    beginResetModel();
    endResetModel();
}

void GameTableModel::cellChanged(int column, int tableRow) {
    if (tableRow < 1)
        return;
    const QModelIndex i = index(tableRow - 1, column);
    emit dataChanged(i, i);
}

void GameTableModel::setHeaderSuffix(int column, const QString& suffix) {
    if (column < 0 || column >= static_cast<int>(headerSuffix_.size()))
        return;
    headerSuffix_[column] = suffix;
    emit headerDataChanged(Qt::Horizontal, column, column);
}
