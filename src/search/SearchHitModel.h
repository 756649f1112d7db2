#pragma once

#include "search/text/TextSearchTypes.h"

#include <QAbstractTableModel>

// The find-text box's result list: one row per occurrence with the columns "Dokument", "Position" and
// "Tekst". Rows arrive in batches while a search runs and are appended without rebuilding the list,
// which stays quick with a hundred thousand rows.
class SearchHitModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Dokument, Position, Tekst, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void append(const QList<TextSearchRow> &rows);
    void removeHit(int row);
    void clear();
    const TextSearchRow &hit(int row) const { return rows_[row]; }
    const QList<TextSearchRow> &hits() const { return rows_; }

private:
    QList<TextSearchRow> rows_;
};
