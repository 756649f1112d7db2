#include "search/SearchHitModel.h"

int SearchHitModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int SearchHitModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SearchHitModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const TextSearchRow &row = rows_[index.row()];
    switch (index.column()) {
    case Dokument:
        return row.file;
    case Position:
        return QString::number(row.position);
    case Tekst:
        return row.line;
    }
    return {};
}

QVariant SearchHitModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case Dokument:
        return QStringLiteral("Dokument");
    case Position:
        return QStringLiteral("Position");
    case Tekst:
        return QStringLiteral("Tekst");
    }
    return {};
}

void SearchHitModel::append(const QList<TextSearchRow> &rows)
{
    if (rows.isEmpty())
        return;
    beginInsertRows({}, int(rows_.size()), int(rows_.size() + rows.size() - 1));
    rows_.append(rows);
    endInsertRows();
}

void SearchHitModel::removeHit(int row)
{
    if (row < 0 || row >= rows_.size())
        return;
    beginRemoveRows({}, row, row);
    rows_.removeAt(row);
    endRemoveRows();
}

void SearchHitModel::clear()
{
    beginResetModel();
    rows_.clear();
    endResetModel();
}
