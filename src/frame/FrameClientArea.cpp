#include "frame/FrameClientArea.h"

#include <QEvent>

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
    if (watched == book_ && (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        arrange();
    return QWidget::eventFilter(watched, event);
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
