#pragma once

#include "platform/TextCodec.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

// What it takes to give a document back after the program ended without saving it: its text or RTF, its
// file name or the number of its untitled caption, the encoding and line ends it is saved with, and where
// the caret stood.
struct RecoveryCopy {
    enum class Kind { PlainText, RichText };

    Kind kind = Kind::PlainText;
    QString fileName; // empty for a document that was never saved
    int untitledNumber = 0; // the number of its "N. Dokument" caption when it has no file
    TextEncoding encoding = TextEncoding::Utf8;
    LineEnding lineEnding = LineEnding::Lf;
    LineEndExceptions lineEndExceptions;
    int caret = 0;
    QDateTime written; // when the copy was taken, in local time
    // Plain text: the document's text, line breaks as '\n'. Rich text: the document as RTF.
    QString text;
    QByteArray rtf;

    // The caption the document had: its file's name, or "N. Dokument".
    QString caption() const;

    bool operator==(const RecoveryCopy &other) const = default;
};

// The file a recovery copy is kept in: a first line naming the format, one line of JSON with everything
// but the content, then the content itself (plain text in UTF-8, or the RTF). The header holds the
// content's length and checksum, so a copy damaged on disk is told apart from a good one.
class RecoveryCopyFile {
public:
    static QByteArray toBytes(const RecoveryCopy &copy);
    // The copy, or an empty optional with a Danish reason why these bytes are not a readable copy.
    static std::optional<RecoveryCopy> fromBytes(QByteArrayView bytes, QString *reason);
};
