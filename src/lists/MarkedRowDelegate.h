#pragma once

#include <QColor>
#include <QStyledItemDelegate>

// Draws a row of the favourites box's lists: the row's background (the selection colour when selected),
// a 10 by 10 pixel square in the list's colour, the text, and a silver line along the row's last pixel
// line.
class MarkedRowDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    MarkedRowDelegate(const QColor &square, QObject *parent);

    void paint(
        QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    QColor square_;
};
