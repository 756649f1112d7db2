#pragma once

#include <QObject>
#include <QString>

// The program's current folder: the folders-and-files box shows it, the document windows move it to
// the active document's folder, and the two search boxes start from it. It lives in the ground so that
// none of them needs another's window.
class CurrentFolder : public QObject {
    Q_OBJECT

public:
    QString path() const { return path_; }
    // An empty or relative path changes nothing; a folder that does not exist gives the process's
    // working folder instead.
    void setPath(const QString &path);

Q_SIGNALS:
    void changed(const QString &path);

private:
    QString path_;
};
