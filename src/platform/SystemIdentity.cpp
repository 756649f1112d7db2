#include "platform/SystemIdentity.h"

#include <QDir>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

namespace SystemIdentity {

QString userName()
{
#ifdef Q_OS_UNIX
    if (const passwd *entry = getpwuid(geteuid()); entry && entry->pw_name && *entry->pw_name)
        return QString::fromLocal8Bit(entry->pw_name);
    return qEnvironmentVariable("USER");
#else
    return qEnvironmentVariable("USERNAME");
#endif
}

QString dataRoot()
{
    const QString overridden = qEnvironmentVariable("SKRIVORA_ROOT");
    if (!overridden.isEmpty())
        return QDir::cleanPath(overridden);
#ifdef Q_OS_WIN
    return QStringLiteral("C:/Skrivora3");
#else
    return QDir::homePath() + QStringLiteral("/Skrivora3");
#endif
}

} // namespace SystemIdentity
