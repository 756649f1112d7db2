#include "search/text/FileSnapshot.h"

#include "platform/FileError.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace {

struct Stamp {
    bool exists = false;
    qint64 size = 0;
    QDateTime modified;

    bool operator==(const Stamp &other) const = default;
};

Stamp stampOf(const QString &path)
{
    const QFileInfo info(path);
    return { info.exists(), info.size(), info.lastModified() };
}

FileSnapshot failed(QString reason)
{
    return { {}, std::move(reason) };
}

} // namespace

QString FileSnapshot::changedWhileReadText()
{
    return QStringLiteral("Filen blev ændret, mens den blev læst.");
}

FileSnapshot FileSnapshot::read(const QString &path)
{
    const Stamp before = stampOf(path);
    if (!before.exists)
        return failed(FileError::reason(ENOENT));
    if (before.size > kLargestFile)
        return failed(FileError::reason(EFBIG));
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        return failed(FileError::reason(errno));
    FileSnapshot snapshot;
    snapshot.bytes = file.read(before.size + 1);
    if (file.error() != QFileDevice::NoError)
        return failed(FileError::reason(errno));
    if (snapshot.bytes.size() != before.size || stampOf(path) != before)
        return failed(changedWhileReadText());
    return snapshot;
}
