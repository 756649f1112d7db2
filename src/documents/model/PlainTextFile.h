#pragma once

#include "documents/model/DocumentFormat.h"
#include "platform/TextCodec.h"

#include <QString>

// A plain-text document's file format: the encoding and line ends it was read with, kept for writing
// it back, so an unchanged document is saved byte for byte as it was. A new document gets the system's
// encoding and the platform's line ends. Whatever the file's name, it is written as plain text.
class PlainTextFile : public DocumentFormat {
public:
    // The format the file was read in.
    void adopt(TextEncoding encoding, LineEnding lineEnding);

    bool write(const QString &path, const QTextDocument &document) override;
    const QString &error() const override { return error_; }
    int saveFilterEntry() const override { return 0; }
    QString defaultExtension() const override { return QStringLiteral(".txt"); }

    TextEncoding encoding() const { return encoding_; }
    LineEnding lineEnding() const { return lineEnding_; }

private:
    TextEncoding encoding_ = TextCodec::systemEncoding();
    LineEnding lineEnding_ = TextCodec::platformLineEnding();
    QString error_;
};
