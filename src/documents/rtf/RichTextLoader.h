#pragma once

#include "documents/rtf/RtfReadResult.h"

#include <QByteArrayView>

class QTextDocument;

// What a rich-text window shows for a file's bytes: RTF as formatted text; any other content (including
// an empty file) as plain text, decoded by the rules every plain-text document follows. The status tells
// which of the two it was: Read or NotRtf.
class RichTextLoader {
public:
    static RtfReadResult load(QByteArrayView bytes, QTextDocument &document);
};
