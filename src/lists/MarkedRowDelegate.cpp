#include "lists/MarkedRowDelegate.h"

#include "lists/FileListBox.h"

#include <QPainter>

namespace {

const QColor kSilver(192, 192, 192);
constexpr int kSquareSize = 10;
const QPoint kSquareOffset(2, 5);
const QPoint kTextOffset(14, 1);

} // namespace

MarkedRowDelegate::MarkedRowDelegate(const QColor &square, QObject *parent)
    : QStyledItemDelegate(parent)
    , square_(square)
{ }

void MarkedRowDelegate::paint(
    QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QRect row = option.rect;
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    painter->save();
    painter->fillRect(row, selected ? option.palette.highlight() : option.palette.base());
    painter->fillRect(QRect(row.topLeft() + kSquareOffset, QSize(kSquareSize, kSquareSize)), square_);
    painter->setFont(option.font);
    painter->setPen(selected ? option.palette.highlightedText().color() : option.palette.text().color());
    const QRect text(row.topLeft() + kTextOffset, row.bottomRight());
    painter->drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, index.data().toString());
    painter->setPen(kSilver);
    painter->drawLine(row.left(), row.bottom(), row.right(), row.bottom());
    painter->restore();
}

QSize MarkedRowDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    return { QStyledItemDelegate::sizeHint(option, index).width(), FileListBox::kRowHeight };
}
