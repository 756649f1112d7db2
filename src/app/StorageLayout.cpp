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

QString settle(FrameFields &fields, const QString &dataRoot, const QString &userName)
{
    const QString root = QDir::cleanPath(dataRoot);
    fields.Brugernavn = userName;
    const QString userBranch = QDir::cleanPath(root + QStringLiteral("/Brugere/") + userName);
    fields.programmappe = root + QStringLiteral("/Program/");
    fields.OptMappe = userBranch + QStringLiteral("/Egenskaber");
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
