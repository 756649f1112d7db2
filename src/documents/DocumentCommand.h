#pragma once

#include <QKeySequence>
#include <QString>

class QAction;
class QObject;

// A command of a document window: its caption, its hint (the short part as tooltip, the whole for the
// status line) and a shortcut that works while the focus is inside the window.
namespace DocumentCommand {

QAction *create(QObject *parent, const QString &caption, const QString &hint, const QKeySequence &keys = {});

} // namespace DocumentCommand
