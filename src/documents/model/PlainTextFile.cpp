#include "documents/model/PlainTextFile.h"

#include "app/FileMessages.h"
#include "documents/model/LineEndTracker.h"
#include "platform/AtomicFileWriter.h"

#include <QTextDocument>

void PlainTextFile::adopt(TextEncoding encoding, LineEnding lineEnding)
{
    encoding_ = encoding;
    lineEnding_ = lineEnding;
}

bool PlainTextFile::write(const QString &path, const QTextDocument &document)
{
    // Every character as it stands (no-break spaces stay), each line with its own line end.
    const EncodedText encoded = TextCodec::encode(TextCodec::withLineEnds(LineEndTracker::exactText(document),
                                                      lineEnding_, LineEndTracker::exceptionsIn(document)),
        encoding_, LineEnding::Lf);
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

QString PlainTextFile::noticeAfterWriting(const QString &caption) const
{
    return abandoned_ ? FileMessages::encodingChanged(caption, *abandoned_, encoding_) : QString();
}
