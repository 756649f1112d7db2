#pragma once

#include <QWidget>

// The frame's client area: the document windows, with the menu book either across its top or covering
// all of it. The document area is never hidden, so the active document stays active under the book.
class FrameClientArea : public QWidget {
    Q_OBJECT

public:
    enum class BookPlace { Top, Fill };

    // Takes both widgets as its children.
    FrameClientArea(QWidget *menuBook, QWidget *documents, QWidget *parent);

    // Top: the book across the top at the given height, the documents below it. Fill: the book over the
    // whole area. Showing and hiding the book keeps its place.
    void placeBook(BookPlace place, int topHeight);
    BookPlace bookPlace() const { return place_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void arrange();
    void focusActiveDocument();

    QWidget *book_;
    QWidget *documents_;
    BookPlace place_ = BookPlace::Top;
    int topHeight_ = 0;
};
