#include "platform/AtomicFileWriter.h"

#include "platform/FileError.h"

#include <QSaveFile>

#include <cerrno>

AtomicFileWriter::Result AtomicFileWriter::write(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return { false, FileError::reason(errno) };
    if (file.write(bytes) != bytes.size()) {
        const int reason = errno;
        file.cancelWriting();
        return { false, FileError::reason(reason) };
    }
    errno = 0;
    if (!file.commit())
        return { false, FileError::reason(errno) };
    return { true, {} };
}
