#pragma once

#include "documents/model/DocumentFormat.h"
#include "documents/rtf/RtfLoss.h"

#include <QString>

// A rich-text document's file format: read by content (RTF with the program's reader, anything else as
// plain text by the rules every plain file follows), always written as RTF whatever the file's name.
// What the file held that the document cannot keep is remembered, so the user is asked before the
// document is first written over that file; under another name nothing is asked.
class RichTextFile : public DocumentFormat {
public:
    struct ReadResult {
        bool ok = false;
        QString error; // Danish, when not ok: the document must not be saved over the file then
        RtfLosses losses; // what the document could not keep of the file
    };

    // Replaces the document's content by the file's. Refused, with the reason, when the file cannot be
    // read (missing, a folder or device, no access, too big) or is RTF that gives no document.
    ReadResult read(const QString &path, QTextDocument &document);

    bool write(const QString &path, const QTextDocument &document) override;
    const QString &error() const override { return error_; }
    int saveFilterEntry() const override { return 1; }
    QString defaultExtension() const override { return QStringLiteral(".rtf"); }
    QString questionBeforeWritingOver(const QString &path) const override;

    RtfLosses losses() const { return losses_; }

private:
    RtfLosses losses_;
    QString readFrom_; // the file the losses are of
    QString error_;
};
