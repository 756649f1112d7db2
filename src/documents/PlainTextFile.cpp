#include "documents/PlainTextFile.h"

#include "platform/AtomicFileWriter.h"

void PlainTextFile::adopt(TextEncoding encoding, LineEnding lineEnding)
{
    encoding_ = encoding;
    lineEnding_ = lineEnding;
}

bool PlainTextFile::write(const QString &path, const QString &text)
{
    const EncodedText encoded = TextCodec::encode(text, encoding_, lineEnding_);
    const AtomicFileWriter::Result result = AtomicFileWriter::write(path, encoded.bytes);
    error_ = result.error;
    abandoned_.reset();
    if (result.ok) {
        if (encoded.encoding != encoding_)
            abandoned_ = encoding_;
        encoding_ = encoded.encoding;
    }
    return result.ok;
}
