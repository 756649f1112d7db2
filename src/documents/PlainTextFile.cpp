#include "documents/PlainTextFile.h"

#include "platform/AtomicFileWriter.h"
#include "platform/FileError.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

PlainTextFile::ReadResult PlainTextFile::read(const QString &path)
{
    QFile file(path);
    if (QFileInfo(path).isDir())
        return {false, {}, FileError::reason(EISDIR)};
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        return {false, {}, FileError::reason(errno)};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {false, {}, FileError::reason(errno)};
    DecodedText decoded = TextCodec::decode(bytes, TextCodec::platformLineEnding());
    encoding_ = decoded.encoding;
    lineEnding_ = decoded.lineEnding;
    return {true, std::move(decoded.text), {}};
}

bool PlainTextFile::write(const QString &path, const QString &text)
{
    const EncodedText encoded = TextCodec::encode(text, encoding_, lineEnding_);
    const AtomicFileWriter::Result result = AtomicFileWriter::write(path, encoded.bytes);
    error_ = result.error;
    if (result.ok)
        encoding_ = encoded.encoding;
    return result.ok;
}
