#pragma once

#include <QByteArray>
#include <QString>

// A file's bytes as they stood at one moment. A file that changes, grows or vanishes while it is read
// gives no bytes and a Danish reason, so a search never reports positions from half of one version and
// half of another.
struct FileSnapshot {
    QByteArray bytes;
    QString failure;

    bool ok() const { return failure.isEmpty(); }

    // A document window opens nothing bigger, so a search reads nothing bigger either.
    static constexpr qint64 kLargestFile = qint64(1) << 30;

    static FileSnapshot read(const QString &path);
    static QString changedWhileReadText();
};
