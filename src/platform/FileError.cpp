#include "platform/FileError.h"

#include <cerrno>
#include <cstring>

QString FileError::reason(int errnoValue)
{
    switch (errnoValue) {
    case 0:
        return QStringLiteral("Ukendt fejl.");
    case ENOENT:
        return QStringLiteral("Filen eller mappen findes ikke.");
    case EACCES:
    case EPERM:
        return QStringLiteral("Adgang nægtet.");
    case ENOSPC:
        return QStringLiteral("Der er ikke mere plads på disken.");
    case EDQUOT:
        return QStringLiteral("Diskkvoten er opbrugt.");
    case EROFS:
        return QStringLiteral("Drevet er skrivebeskyttet.");
    case EISDIR:
        return QStringLiteral("Navnet er en mappe, ikke en fil.");
    case ENOTDIR:
        return QStringLiteral("En del af stien er ikke en mappe.");
    case ENAMETOOLONG:
        return QStringLiteral("Filnavnet er for langt.");
    case EEXIST:
        return QStringLiteral("Filen findes allerede.");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("Filen er i brug af et andet program.");
    case EIO:
        return QStringLiteral("Der opstod en fejl under læsning eller skrivning på disken.");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Der er for mange åbne filer.");
    case ENOMEM:
        return QStringLiteral("Der er ikke hukommelse nok.");
    case EFBIG:
        return QStringLiteral("Filen er for stor.");
    case EINVAL:
        return QStringLiteral("Filnavnet er ugyldigt.");
    default:
        return QStringLiteral("Systemfejl %1 (%2).")
            .arg(errnoValue)
            .arg(QString::fromLocal8Bit(std::strerror(errnoValue)));
    }
}
