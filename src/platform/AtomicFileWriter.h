#pragma once

#include <QByteArray>
#include <QString>

// Every file the program writes goes through here: the bytes land in a temporary file in the same
// folder, which is flushed and renamed over the old file, so a crash or a full disk never leaves half a
// file and never destroys the old one.
class AtomicFileWriter {
public:
    struct Result {
        bool ok = false;
        QString error; // Danish reason, empty when ok
    };
    static Result write(const QString &path, const QByteArray &bytes);
};
