#include "documents/PlainTextFile.h"

#include "platform/AtomicFileWriter.h"

void PlainTextFile::adopt(TextEncoding encoding, LineEnding lineEnding)
{
    encoding_ = encoding;
    lineEnding_ = lineEnding;
}

bool PlainTextFile::write(const QString &path, const QString &text, const LineEndExceptions &exceptions)
{
    const EncodedText encoded = TextCodec::encode(
        TextCodec::withLineEnds(text, lineEnding_, exceptions), encoding_, LineEnding::Lf);
    const AtomicFileWriter::Result result = AtomicFileWriter::write(path, encoded.bytes);
    error_ = result.error;
    if (result.ok)
        encoding_ = encoded.encoding;
    return result.ok;
}
