#pragma once

#include "documents/model/DocumentFormat.h"
#include "platform/TextCodec.h"

#include <QString>

#include <optional>

// A plain-text document's file format: the encoding and line ends it was read with, kept for writing
// it back, so an unchanged document is saved byte for byte as it was. A new document gets the system's
// encoding and the platform's line ends. Whatever the file's name, it is written as plain text.
class PlainTextFile : public DocumentFormat {
public:
    // The format the file was read in.
    void adopt(TextEncoding encoding, LineEnding lineEnding);

    bool write(const QString &path, const QTextDocument &document) override;
    const QString &error() const override { return error_; }
    QString noticeAfterWriting(const QString &caption) const override;
    int saveFilterEntry() const override { return 0; }
    QString defaultExtension() const override { return QStringLiteral(".txt"); }

    TextEncoding encoding() const { return encoding_; }
    // Set by the last write when the text did not fit the file's encoding and went into another one
    // (see TextCodec::encode): the encoding the file had before.
    std::optional<TextEncoding> abandonedEncoding() const { return abandoned_; }
    LineEnding lineEnding() const { return lineEnding_; }

private:
    TextEncoding encoding_ = TextCodec::systemEncoding();
    LineEnding lineEnding_ = TextCodec::platformLineEnding();
    QString error_;
    std::optional<TextEncoding> abandoned_;
};
