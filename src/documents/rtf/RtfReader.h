#pragma once

#include "documents/rtf/RtfReadResult.h"

#include <QByteArrayView>

class QIODevice;
class QTextDocument;

// Reads RTF into a QTextDocument, replacing its content. Never crashes or hangs on damaged input: a
// truncated or unbalanced file gives the document as far as it goes, with RtfLoss::Damage among the
// result's losses, and Status::Empty when nothing of it could be read; only nesting too deep to be a real
// document is refused, with a Danish reason.
class RtfReader {
public:
    static bool isRtf(QByteArrayView bytes);

    static RtfReadResult read(QByteArrayView rtf, QTextDocument &document);
    static RtfReadResult read(QIODevice &device, QTextDocument &document);
};
