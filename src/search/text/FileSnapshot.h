#pragma once

#include <QByteArray>
#include <QString>

// A file's bytes as they stood at one moment. A file that changes or grows while it is read gives a
// Danish reason instead, so a search never reports positions from half of one version and half of
// another; one that vanishes before it is opened gives the system's reason.
class FileSnapshot {
public:
    // A document window opens nothing bigger, so a search reads nothing bigger either.
    static constexpr qint64 kLargestFile = qint64(1) << 30;

    // Reads the whole file into `bytes`, whose capacity is kept, so that a search through thousands of
    // files reuses one buffer. Returns an empty string, or the reason when the file could not be read.
    static QString read(const QString &path, QByteArray &bytes);
    static QString changedWhileReadText();
    static QString notAFileText();
};
