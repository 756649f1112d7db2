#include "lists/FileListBox.h"

#include <QKeyEvent>
#include <QStyledItemDelegate>

namespace {

class FixedRowHeight : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return { QStyledItemDelegate::sizeHint(option, index).width(), FileListBox::kRowHeight };
    }
};

} // namespace

FileListBox::FileListBox(QWidget *parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setItemDelegate(new FixedRowHeight(this));
    // Selection, not the current row: the view makes the first row current when it gets the focus,
    // which must not count as the user's choice.
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (!quiet_ && selectedRow() >= 0)
            Q_EMIT rowSelected();
    });
    connect(this, &QListWidget::itemDoubleClicked, this, [this] { Q_EMIT rowDoubleClicked(); });
}

int FileListBox::selectedRow() const
{
    const QModelIndexList rows = selectionModel()->selectedIndexes();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void FileListBox::selectRowQuietly(int row)
{
    quiet_ = true;
    setCurrentRow(row);
    if (row < 0)
        clearSelection();
    quiet_ = false;
}

void FileListBox::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        Q_EMIT confirmKeyPressed();
        event->accept();
        return;
    default:
        QListWidget::keyPressEvent(event);
    }
}

void FileListBox::enterEvent(QEnterEvent *event)
{
    QListWidget::enterEvent(event);
    Q_EMIT mouseEntered();
}

void FileListBox::leaveEvent(QEvent *event)
{
    QListWidget::leaveEvent(event);
    Q_EMIT mouseLeft();
}
