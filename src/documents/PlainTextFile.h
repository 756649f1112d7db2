#pragma once

#include "platform/TextCodec.h"

#include <QString>

#include <optional>

// A plain-text document's file format: the encoding and line ends it was read with, kept for writing
// it back, so an unchanged document is saved byte for byte as it was. A new document gets the system's
// encoding and the platform's line ends.
class PlainTextFile {
public:
    // The format the file was read in.
    void adopt(TextEncoding encoding, LineEnding lineEnding);
    // True when written; otherwise error() says why in Danish and the old file is untouched.
    bool write(const QString &path, const QString &text);

    TextEncoding encoding() const { return encoding_; }
    // Set by the last write when the text did not fit the file's encoding and went into another one
    // (see TextCodec::encode): the encoding the file had before.
    std::optional<TextEncoding> abandonedEncoding() const { return abandoned_; }
    LineEnding lineEnding() const { return lineEnding_; }
    const QString &error() const { return error_; }

private:
    TextEncoding encoding_ = TextCodec::systemEncoding();
    LineEnding lineEnding_ = TextCodec::platformLineEnding();
    QString error_;
    std::optional<TextEncoding> abandoned_;
};
