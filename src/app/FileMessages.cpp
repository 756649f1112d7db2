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

QString encodingName(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
        return QStringLiteral("UTF-8");
    case TextEncoding::Utf8Bom:
        return QStringLiteral("UTF-8 med BOM");
    case TextEncoding::Utf16LE:
        return QStringLiteral("UTF-16 LE");
    case TextEncoding::Utf16BE:
        return QStringLiteral("UTF-16 BE");
    case TextEncoding::Windows1252:
        return QStringLiteral("Windows-1252");
    }
    return {};
}

QString encodingChanged(const QString &caption, TextEncoding from, TextEncoding to)
{
    return QStringLiteral("Dokumentet: ") + caption + QStringLiteral("\rindeholder tegn, som tegnsættet ")
        + encodingName(from) + QStringLiteral(" ikke har.\rDet er derfor gemt uden tab i tegnsættet ")
        + encodingName(to) + u'.';
}

} // namespace FileMessages
