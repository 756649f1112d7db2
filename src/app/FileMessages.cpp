#include "app/FileMessages.h"

#include <QDir>

namespace FileMessages {

QString readFailure(const QString &path, const QString &reason)
{
    return QStringLiteral("Filen:\r") + QDir::toNativeSeparators(path)
        + QStringLiteral("\rkunne ikke læses.\r") + reason;
}

QString writeFailure(const QString &path, const QString &reason)
{
    return QStringLiteral("Filen:\r") + QDir::toNativeSeparators(path)
        + QStringLiteral("\rkunne ikke gemmes.\r") + reason;
}

} // namespace FileMessages
