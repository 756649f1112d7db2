#include "platform/FileNames.h"

#include <QDir>
#include <QFileInfo>

namespace {

#ifdef Q_OS_WIN
constexpr Qt::CaseSensitivity kFileSystemCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity kFileSystemCase = Qt::CaseSensitive;
#endif

} // namespace

namespace FileNames {

QString absolute(const QString &name)
{
    if (name.isEmpty())
        return name;
    return QDir::cleanPath(QFileInfo(name).absoluteFilePath());
}

bool sameFile(const QString &first, const QString &second)
{
    if (first.isEmpty() || second.isEmpty())
        return false;
    const QString firstCanonical = QFileInfo(first).canonicalFilePath();
    const QString secondCanonical = QFileInfo(second).canonicalFilePath();
    if (!firstCanonical.isEmpty() && !secondCanonical.isEmpty())
        return firstCanonical.compare(secondCanonical, kFileSystemCase) == 0;
    return absolute(first).compare(absolute(second), Qt::CaseInsensitive) == 0;
}

} // namespace FileNames
