#include "lists/FavoriteListName.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

// The longest file name the file systems we run on take, in bytes of the name as stored.
constexpr qsizetype kLongestFileName = 255;

#ifdef Q_OS_WIN
const QString kForbidden = QStringLiteral("\\/:*?\"<>|");
const QString kForbiddenText
    = QStringLiteral("Et listenavn må ikke indeholde nogen af tegnene \\ / : * ? \" < > |");
#else
const QString kForbidden = QStringLiteral("/");
const QString kForbiddenText = QStringLiteral("Et listenavn må ikke indeholde tegnet /");
#endif

bool hasForbiddenCharacter(const QString &name)
{
    for (const QChar c : name) {
        // Control characters cannot be stored in the settings file that remembers the name.
        if (kForbidden.contains(c) || c.unicode() < 0x20)
            return true;
    }
    return false;
}

} // namespace

namespace FavoriteListName {

QString problem(const QString &name)
{
    if (name.trimmed().isEmpty())
        return QStringLiteral("Listen har ikke noget navn og kan ikke gemmes.\rIndfør et navn for listen.");
    if (hasForbiddenCharacter(name))
        return QStringLiteral("Listenavnet kan ikke bruges som filnavn:\r") + name + u'\r' + kForbiddenText
            + u'.';
    if ((name + QStringLiteral(".txt")).toUtf8().size() > kLongestFileName)
        return QStringLiteral("Listenavnet er for langt til et filnavn.\rIndfør et kortere navn.");
    return {};
}

bool inUse(const QString &folder, const QString &name)
{
    const QStringList stored
        = QDir(folder).entryList({ QStringLiteral("*.txt") }, QDir::Files | QDir::Hidden);
    return std::any_of(stored.begin(), stored.end(), [&name](const QString &file) {
        return QFileInfo(file).completeBaseName().compare(name, Qt::CaseInsensitive) == 0;
    });
}

} // namespace FavoriteListName
