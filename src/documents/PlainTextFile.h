#pragma once

#include "platform/TextCodec.h"

#include <QString>

// A plain-text document's file format: the encoding and line ends it was read with, kept for writing
// it back, so an unchanged document is saved byte for byte as it was. A new document gets the system's
// encoding and the platform's line ends.
class PlainTextFile {
public:
    // The format the file was read in.
    void adopt(TextEncoding encoding, LineEnding lineEnding);
    // True when written; otherwise error() says why in Danish and the old file is untouched. The text's
    // breaks are '\n'; each is written as the usual line end but where an exception names another.
    bool write(const QString &path, const QString &text, const LineEndExceptions &exceptions = {});

    TextEncoding encoding() const { return encoding_; }
    LineEnding lineEnding() const { return lineEnding_; }
    const QString &error() const { return error_; }

private:
    TextEncoding encoding_ = TextCodec::systemEncoding();
    LineEnding lineEnding_ = TextCodec::platformLineEnding();
    QString error_;
};
