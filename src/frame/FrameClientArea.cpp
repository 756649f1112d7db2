#include "frame/FrameClientArea.h"

#include <QApplication>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

FrameClientArea::FrameClientArea(QWidget *menuBook, QWidget *documents, QWidget *parent)
    : QWidget(parent)
    , book_(menuBook)
    , documents_(documents)
{
    documents_->setParent(this);
    book_->setParent(this);
    book_->raise();
    book_->installEventFilter(this);
}

void FrameClientArea::placeBook(BookPlace place, int topHeight)
{
    place_ = place;
    topHeight_ = topHeight;
    arrange();
}

QSize FrameClientArea::sizeHint() const
{
    return documents_->sizeHint();
}

QSize FrameClientArea::minimumSizeHint() const
{
    return documents_->minimumSizeHint();
}

void FrameClientArea::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    arrange();
}

bool FrameClientArea::eventFilter(QObject *watched, QEvent *event)
{
    // Qt moves the focus out of a hidden book to the next control in line, which may be the editor of
    // another document and would make that one active: the active document takes it back first.
    if (watched == book_ && event->type() == QEvent::Hide && book_->isAncestorOf(QApplication::focusWidget()))
        focusActiveDocument();
    if (watched == book_ && (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        arrange();
    return QWidget::eventFilter(watched, event);
}

void FrameClientArea::focusActiveDocument()
{
    auto *area = qobject_cast<QMdiArea *>(documents_);
    QMdiSubWindow *active = area ? area->activeSubWindow() : nullptr;
    if (!active) {
        documents_->setFocus();
        return;
    }
    // Where the focus was in that document, else the document itself.
    QWidget *last = active->focusWidget();
    (last && last != active ? last : active->widget())->setFocus();
}

void FrameClientArea::arrange()
{
    const QRect area = rect();
    if (book_->isHidden()) {
        documents_->setGeometry(area);
        return;
    }
    if (place_ == BookPlace::Fill) {
        book_->setGeometry(area);
        // The documents move just below the visible area at their full size: still shown, so the active
        // document stays active, but nothing of them can paint through the page, and their text need
        // not be laid out again.
        documents_->setGeometry(area.translated(0, area.height()));
        return;
    }
    const int bookHeight = qMin(topHeight_, area.height());
    book_->setGeometry(0, 0, area.width(), bookHeight);
    documents_->setGeometry(0, bookHeight, area.width(), area.height() - bookHeight);
}
