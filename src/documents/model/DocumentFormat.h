#pragma once

#include <QString>

class QTextDocument;

// How a document is written to its file: plain text in the encoding and line ends it was read with, or
// RTF. The document model decides when to write; the format knows how.
class DocumentFormat {
public:
    virtual ~DocumentFormat() = default;

    // Writes the whole document through the atomic writer. False, with error() in Danish, when it could
    // not; the old file is then untouched.
    virtual bool write(const QString &path, const QTextDocument &document) = 0;
    virtual const QString &error() const = 0;
    // What the user is told after a write of the document of that caption; empty when nothing. A plain
    // text with characters its file's encoding cannot hold says which encoding the file has now.
    virtual QString noticeAfterWriting(const QString &caption) const
    {
        Q_UNUSED(caption);
        return {};
    }

    // What "Gem som" offers: the entry of the save dialog's file types it starts on (0 "Tekstdokument",
    // 1 "Rich Tekstdokument") and the extension added to a name typed without one.
    virtual int saveFilterEntry() const = 0;
    virtual QString defaultExtension() const = 0;

    // The question to ask before the document is written over that file, answered "Ja" to write; empty
    // when there is nothing to ask.
    virtual QString questionBeforeWritingOver(const QString &path) const
    {
        Q_UNUSED(path);
        return {};
    }
};
