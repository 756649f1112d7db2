#include "documents/rtf/RichTextLoader.h"

#include "documents/rtf/RtfReader.h"
#include "platform/TextCodec.h"

#include <QTextDocument>

RtfReadResult RichTextLoader::load(QByteArrayView bytes, QTextDocument &document)
{
    const RtfReadResult result = RtfReader::read(bytes, document);
    if (result.status == RtfReadResult::Status::NotRtf)
        document.setPlainText(TextCodec::decode(bytes, TextCodec::platformLineEnding()).text);
    return result;
}
