#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QAction;

// The frame's named commands: caption, hint ("short|long"), shortcut. Other windows put them on their own
// tool bars and menus; each command is found by its name.
class FrameCommands : public QObject {
    Q_OBJECT

public:
    explicit FrameCommands(QObject *parent);

    // The command of that name; every name of the command table exists.
    QAction *get(const QString &name) const;
    QList<QAction *> all() const { return byName_.values(); }

private:
    QHash<QString, QAction *> byName_;
};
