#pragma once

#include "documents/find/TextFinder.h"
#include "search/text/ByteScreen.h"
#include "search/text/HitLineLayout.h"
#include "search/text/TextSearchTypes.h"

#include <QByteArrayView>

#include <optional>

// Every occurrence in one file, read by its content as the rich-text window reads it: RTF through the RTF
// reader, whose visible text is searched; anything else through the text encodings (mark, then UTF-8,
// then Windows-1252). Occurrences do not overlap: each search goes on after the last hit's end. Made once
// per search and used from any number of threads at once.
class FileTextSearch {
public:
    struct Outcome {
        QList<TextSearchRow> rows;
        QString failure; // Danish reason when the content could not be read
    };

    FileTextSearch(const QString &needle, TextFinder::Options options, HitLineStyle style);

    Outcome search(const QString &path, QByteArrayView bytes) const;

private:
    QList<TextSearchRow> plainRows(const QString &path, QString &text) const;
    // Without decoding, for a needle of ASCII characters in UTF-8 or Windows-1252; nothing when only
    // decoding gives the right rows.
    std::optional<QList<TextSearchRow>> byteRows(const QString &path, QByteArrayView bytes) const;
    QList<TextSearchRow> richRows(const QString &path, QByteArrayView bytes, QString *failure) const;
    // Through a whole QTextDocument, for RTF whose text only the document can place.
    QList<TextSearchRow> documentRows(const QString &path, QByteArrayView bytes, QString *failure) const;

    TextFinder finder_;
    ByteScreen screen_;
    bool needleHasLineBreak_;
    HitLineStyle style_;
};
