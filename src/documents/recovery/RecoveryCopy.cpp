#include "documents/recovery/RecoveryCopy.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QByteArray kFirstLine("Skrivora gendannelseskopi 1\n");

QString encodingName(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
        return QStringLiteral("utf-8");
    case TextEncoding::Utf8Bom:
        return QStringLiteral("utf-8-mark");
    case TextEncoding::Utf16LE:
        return QStringLiteral("utf-16le");
    case TextEncoding::Utf16BE:
        return QStringLiteral("utf-16be");
    case TextEncoding::Windows1252:
        return QStringLiteral("windows-1252");
    }
    return {};
}

std::optional<TextEncoding> encodingNamed(const QString &name)
{
    for (const TextEncoding encoding : { TextEncoding::Utf8, TextEncoding::Utf8Bom, TextEncoding::Utf16LE,
             TextEncoding::Utf16BE, TextEncoding::Windows1252 }) {
        if (encodingName(encoding) == name)
            return encoding;
    }
    return std::nullopt;
}

QString endingName(LineEnding ending)
{
    switch (ending) {
    case LineEnding::CrLf:
        return QStringLiteral("crlf");
    case LineEnding::Lf:
        return QStringLiteral("lf");
    case LineEnding::Cr:
        return QStringLiteral("cr");
    }
    return {};
}

std::optional<LineEnding> endingNamed(const QString &name)
{
    for (const LineEnding ending : { LineEnding::CrLf, LineEnding::Lf, LineEnding::Cr }) {
        if (endingName(ending) == name)
            return ending;
    }
    return std::nullopt;
}

QByteArray checksum(QByteArrayView content)
{
    return QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex();
}

std::optional<RecoveryCopy> refuse(QString *reason, const QString &why)
{
    if (reason)
        *reason = why;
    return std::nullopt;
}

} // namespace

QString RecoveryCopy::caption() const
{
    if (!fileName.isEmpty())
        return QFileInfo(fileName).fileName();
    return QString::number(untitledNumber) + QStringLiteral(". Dokument");
}

QByteArray RecoveryCopyFile::toBytes(const RecoveryCopy &copy)
{
    const bool rich = copy.kind == RecoveryCopy::Kind::RichText;
    const QByteArray content = rich ? copy.rtf : copy.text.toUtf8();
    QJsonArray exceptions;
    for (const LineEndException &exception : copy.lineEndExceptions)
        exceptions.append(QJsonArray { double(exception.lineBreak), endingName(exception.ending) });
    const QJsonObject header {
        { QStringLiteral("kind"), rich ? QStringLiteral("rtf") : QStringLiteral("text") },
        { QStringLiteral("fileName"), copy.fileName },
        { QStringLiteral("untitledNumber"), copy.untitledNumber },
        { QStringLiteral("encoding"), encodingName(copy.encoding) },
        { QStringLiteral("lineEnding"), endingName(copy.lineEnding) },
        { QStringLiteral("lineEndExceptions"), exceptions },
        { QStringLiteral("caret"), copy.caret },
        { QStringLiteral("written"), copy.written.toString(Qt::ISODateWithMs) },
        { QStringLiteral("length"), double(content.size()) },
        { QStringLiteral("sha256"), QString::fromLatin1(checksum(content)) },
    };
    return kFirstLine + QJsonDocument(header).toJson(QJsonDocument::Compact) + '\n' + content;
}

std::optional<RecoveryCopy> RecoveryCopyFile::fromBytes(QByteArrayView bytes, QString *reason)
{
    const QString damaged = QStringLiteral("Kopien er beskadiget.");
    if (!bytes.startsWith(kFirstLine))
        return refuse(reason, QStringLiteral("Filen er ikke en gendannelseskopi fra dette program."));
    const qsizetype headerStart = kFirstLine.size();
    const qsizetype headerEnd = bytes.indexOf('\n', headerStart);
    if (headerEnd < 0)
        return refuse(reason, damaged);
    QJsonParseError error;
    const QJsonDocument json
        = QJsonDocument::fromJson(bytes.sliced(headerStart, headerEnd - headerStart).toByteArray(), &error);
    if (error.error != QJsonParseError::NoError || !json.isObject())
        return refuse(reason, damaged);
    const QJsonObject header = json.object();
    const QByteArrayView content = bytes.sliced(headerEnd + 1);
    if (header.value(QStringLiteral("length")).toDouble(-1) != double(content.size())
        || header.value(QStringLiteral("sha256")).toString().toLatin1() != checksum(content))
        return refuse(reason, damaged);

    RecoveryCopy copy;
    const QString kind = header.value(QStringLiteral("kind")).toString();
    const auto encoding = encodingNamed(header.value(QStringLiteral("encoding")).toString());
    const auto ending = endingNamed(header.value(QStringLiteral("lineEnding")).toString());
    if ((kind != u"text" && kind != u"rtf") || !encoding || !ending)
        return refuse(reason, damaged);
    copy.kind = kind == u"rtf" ? RecoveryCopy::Kind::RichText : RecoveryCopy::Kind::PlainText;
    copy.fileName = header.value(QStringLiteral("fileName")).toString();
    copy.untitledNumber = header.value(QStringLiteral("untitledNumber")).toInt();
    copy.encoding = *encoding;
    copy.lineEnding = *ending;
    for (const QJsonValue &value : header.value(QStringLiteral("lineEndExceptions")).toArray()) {
        const QJsonArray pair = value.toArray();
        const auto exceptionEnding = endingNamed(pair.at(1).toString());
        if (pair.size() != 2 || !exceptionEnding || pair.at(0).toDouble(-1) < 0)
            return refuse(reason, damaged);
        copy.lineEndExceptions.append({ qsizetype(pair.at(0).toDouble()), *exceptionEnding });
    }
    copy.caret = std::max(0, header.value(QStringLiteral("caret")).toInt());
    copy.written
        = QDateTime::fromString(header.value(QStringLiteral("written")).toString(), Qt::ISODateWithMs);
    if (copy.kind == RecoveryCopy::Kind::RichText)
        copy.rtf = content.toByteArray();
    else
        copy.text = QString::fromUtf8(content);
    return copy;
}
