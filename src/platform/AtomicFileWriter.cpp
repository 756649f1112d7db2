#include "platform/AtomicFileWriter.h"

#include "platform/FileError.h"

#include <QSaveFile>

#include <cerrno>

AtomicFileWriter::Result AtomicFileWriter::write(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    errno = 0;
    // Unbuffered, so that a write the file system refuses (a full disk) fails here: a buffered one fails
    // only in commit()'s flush, which Qt 6.4 does not check before renaming the cut-short temporary file
    // over the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return { false, FileError::reason(errno) };
    errno = 0;
    if (file.write(bytes) != bytes.size() || file.error() != QFileDevice::NoError) {
        const int reason = errno ? errno : EIO;
        file.cancelWriting();
        return { false, FileError::reason(reason) };
    }
    errno = 0;
    if (!file.commit())
        return { false, FileError::reason(errno ? errno : EIO) };
    return { true, {} };
}
