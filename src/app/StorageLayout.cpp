#include "app/StorageLayout.h"

#include "app/FrameFields.h"
#include "platform/FileError.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>

namespace {

// Creates the folder with every missing parent; returns the errno of the failure, 0 when it exists.
int makeFolder(const QString &path)
{
    if (QFileInfo(path).isDir())
        return 0;
    errno = 0;
    if (QDir().mkpath(path) && QFileInfo(path).isDir())
        return 0;
    if (QFileInfo::exists(path))
        return ENOTDIR;
    return errno ? errno : EACCES;
}

} // namespace

namespace StorageLayout {

QString settingsFolder(const QString &dataRoot, const QString &userName)
{
    return QDir::cleanPath(QDir::cleanPath(dataRoot) + QStringLiteral("/Brugere/") + userName)
        + QStringLiteral("/Egenskaber");
}

QString settle(FrameFields &fields, const QString &dataRoot, const QString &userName)
{
    fields.Brugernavn = userName;
    fields.programmappe = QDir::cleanPath(dataRoot) + QStringLiteral("/Program/");
    fields.OptMappe = settingsFolder(dataRoot, userName);
    fields.extListeFilename = fields.OptMappe + QStringLiteral("/ExtListe.txt");
    fields.infoDir = fields.programmappe + QStringLiteral("Information");
    fields.optFilnavn = fields.OptMappe + QStringLiteral("/Main.txt");
    fields.dokumentfil = fields.OptMappe + QStringLiteral("/Dokumentfil.txt");

    if (const int failure = makeFolder(fields.OptMappe)) {
        return QStringLiteral("Mappen til programmets indstillinger kunne ikke oprettes:\r")
            + QDir::toNativeSeparators(fields.OptMappe) + u'\r' + FileError::reason(failure)
            + QStringLiteral("\rProgrammet lukkes.");
    }
    return {};
}

} // namespace StorageLayout
