#pragma once

#include <QList>
#include <QMdiArea>

#include <functional>

class DocumentWindow;

// The frame's client area: the document windows, in the frame's window order (the active one first,
// then by earlier activation, never-activated ones last in the order they came).
class DocumentArea : public QMdiArea {
    Q_OBJECT

public:
    explicit DocumentArea(QWidget *parent = nullptr);

    // Makes a sub-window and the document window in it, which make() builds with the sub-window as
    // its parent; the area owns it from now on. Built where it lives, the window's controls take the
    // program's style sheet once: moved in whole, each would be styled again.
    DocumentWindow *add(const std::function<DocumentWindow *(QWidget *parent)> &make);
    void activate(DocumentWindow *window);
    QList<DocumentWindow *> windowsInOrder() const { return order_; }
    DocumentWindow *activeDocument() const;

    // Asks every document window to close, in window order; false as soon as one refuses.
    bool closeAll();

Q_SIGNALS:
    void documentActivated(DocumentWindow *window);
    // What each of its windows tells, passed on with the window.
    void documentModificationChanged(DocumentWindow *window, bool modified);
    void documentSaved(DocumentWindow *window);
    // A document window came or went, or one changed its file name.
    void documentsChanged();
    // The window was put into the area / has closed (a window that refuses to close does not).
    void documentAdded(DocumentWindow *window);
    void documentClosed(DocumentWindow *window);

private:
    static DocumentWindow *documentOf(QMdiSubWindow *subWindow);

    QList<DocumentWindow *> order_;
    // Context of the connections that reach into order_. The windows die in the base class's destructor,
    // after the members: this goes first and takes those connections with it.
    QObject windowsAlive_;
};
