#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPointer>

#include <utility>

class DocumentWindow;
class QAction;
class QWidget;

// Keys go to what the user is working in. While the keyboard focus is inside a document window, a key
// of one of the window's own commands is that command's: a frame command with the same key lets the key
// go until the focus leaves the window (two commands on one key would otherwise both stay silent).
class DocumentKeyPriority : public QObject {
    Q_OBJECT

public:
    DocumentKeyPriority(const QList<QAction *> &frameCommands, QObject *parent);

private:
    void focusChanged(QWidget *now);
    void giveKeysBack();
    bool isFrameCommand(const QAction *action) const;

    // Guarded: focus moves while the frame's widgets are destroyed, and the commands may be gone by then.
    QList<QPointer<QAction>> frameCommands_;
    QPointer<DocumentWindow> window_;
    // The frame commands that let keys go, with the keys they had before.
    QList<std::pair<QPointer<QAction>, QList<QKeySequence>>> lent_;
};
