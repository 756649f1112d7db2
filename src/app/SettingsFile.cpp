#include "app/SettingsFile.h"

#include "platform/FileError.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>

namespace {

// Settings and list files are small; anything bigger is not one of ours and is not read into memory.
constexpr qint64 kLargestReadableFile = 64 * 1024 * 1024;

std::optional<int> wholeNumber(const QString &line)
{
    bool ok = false;
    const int value = line.trimmed().toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

bool isAscii(QByteArrayView bytes)
{
    return std::all_of(
        bytes.begin(), bytes.end(), [](char b) { return static_cast<unsigned char>(b) < 0x80; });
}

// Whether a file with a byte-order mark holds bytes that are no character of the mark's encoding.
bool hasInvalidBytes(QByteArrayView bytes)
{
    const auto mark = TextCodec::markAt(bytes);
    if (!mark)
        return false;
    const QByteArrayView rest = bytes.sliced(mark->length);
    switch (mark->encoding) {
    case TextEncoding::Utf8Bom:
        return !TextCodec::isValidUtf8(rest);
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE: {
        QStringDecoder decoder(
            mark->encoding == TextEncoding::Utf16LE ? QStringConverter::Utf16LE : QStringConverter::Utf16BE,
            QStringConverter::Flag::Stateless);
        [[maybe_unused]] const QString text = decoder(rest);
        return rest.size() % 2 != 0 || decoder.hasError();
    }
    default:
        return false;
    }
}

} // namespace

SettingsLine SettingsLine::integer(std::function<void(int)> apply)
{
    return SettingsLine([apply = std::move(apply)](const QString &line) {
        const auto value = wholeNumber(line);
        if (value)
            apply(*value);
        return value.has_value();
    });
}

SettingsLine SettingsLine::choice(int count, std::function<void(int)> apply)
{
    return SettingsLine([count, apply = std::move(apply)](const QString &line) {
        const auto value = wholeNumber(line);
        const bool valid = value && *value >= 0 && *value < count;
        if (valid)
            apply(*value);
        return valid;
    });
}

SettingsLine SettingsLine::flag(std::function<void(bool)> apply)
{
    return integer([apply = std::move(apply)](int value) { apply(value == 1); });
}

SettingsLine SettingsLine::text(std::function<void(const QString &)> apply)
{
    return SettingsLine([apply = std::move(apply)](const QString &line) {
        apply(line);
        return true;
    });
}

SettingsFile::SettingsFile(QString path)
    : path_(std::move(path))
    , encoding_(TextCodec::systemEncoding())
{ }

SettingsFile::Status SettingsFile::read()
{
    lines_.clear();
    damaged_ = false;
    error_.clear();
    QFile file(path_);
    if (!file.exists())
        return Status::Missing;
    errno = 0;
    if (QFileInfo(file).isDir()) {
        error_ = FileError::reason(EISDIR);
        return Status::Unreadable;
    }
    if (file.size() > kLargestReadableFile) {
        error_ = FileError::reason(EFBIG);
        return Status::Unreadable;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        error_ = FileError::reason(errno);
        return Status::Unreadable;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error_ = FileError::reason(errno);
        return Status::Unreadable;
    }
    Content content = parse(bytes);
    lines_ = std::move(content.lines);
    encoding_ = content.encoding;
    damaged_ = content.damaged;
    return Status::Read;
}

SettingsFile::Content SettingsFile::parse(QByteArrayView bytes)
{
    DecodedText decoded = TextCodec::decode(bytes, LineEnding::CrLf);
    bool damaged = false;
    if (decoded.encoding == TextEncoding::Windows1252 && TextCodec::looksLikeDamagedUtf8(bytes)) {
        // Our own UTF-8 with a byte gone bad: read in Windows-1252, every Danish letter of it would be
        // spoilt, and a file list would then lose each entry whose path holds one.
        decoded.text = TextCodec::normaliseLineBreaks(TextCodec::decodeUnmarked(bytes, TextEncoding::Utf8));
        decoded.encoding = TextEncoding::Utf8;
        damaged = true;
    } else {
        damaged = hasInvalidBytes(bytes);
    }
    Content content { {}, decoded.encoding, damaged };
    if (!decoded.text.isEmpty()) {
        content.lines = decoded.text.split(u'\n');
        // A line break ends a line rather than starting an empty one.
        if (decoded.text.endsWith(u'\n'))
            content.lines.removeLast();
    }
    return content;
}

EncodedText SettingsFile::format(const QStringList &lines, TextEncoding encoding)
{
    if (lines.isEmpty())
        return { QByteArray(), encoding };
    QString text;
    for (const QString &line : lines)
        text += line + u'\n';
    const EncodedText encoded = TextCodec::encode(text, encoding, LineEnding::CrLf);
    // Windows-1252 text that would read back as UTF-8, whole or damaged, is kept in UTF-8 with a mark,
    // so what is written always reads back the same.
    if (encoded.encoding == TextEncoding::Windows1252 && !isAscii(encoded.bytes)
        && (TextCodec::isValidUtf8(encoded.bytes) || TextCodec::looksLikeDamagedUtf8(encoded.bytes)))
        return TextCodec::encode(text, TextEncoding::Utf8Bom, LineEnding::CrLf);
    return encoded;
}

bool SettingsFile::apply(const std::vector<SettingsLine> &appliers) const
{
    for (size_t i = 0; i < appliers.size(); ++i) {
        if (qsizetype(i) >= lines_.size() || !appliers[i].applyTo(lines_[qsizetype(i)]))
            return false;
    }
    return true;
}

bool SettingsFile::write(const QStringList &lines)
{
    const EncodedText encoded = format(lines, encoding_);
    const AtomicFileWriter::Result result = AtomicFileWriter::write(path_, encoded.bytes);
    error_ = result.error;
    if (result.ok)
        encoding_ = encoded.encoding;
    return result.ok;
}

QString SettingsFile::startupFailureMessage()
{
    return QStringLiteral(
        "Information\rDer gik noget galt med opstarten.\rDer kan eventuelt være slettet vigtige filer.");
}
