#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

#include <optional>
#include <utility>

// The one place where bytes on disk become text and back, for documents, settings files and list files.
// A byte-order mark decides; without one, valid UTF-8 is UTF-8 and anything else Windows-1252, decoded
// losslessly, so Danish files from Windows read right here and the other way round.
enum class TextEncoding { Utf8, Utf8Bom, Utf16LE, Utf16BE, Windows1252 };

enum class LineEnding { CrLf, Lf, Cr };

// A line break whose kind differs from the text's usual one, by its number among the text's breaks
// (counted from 0). Most files have one kind throughout and no exceptions; a file with mixed line ends
// keeps each one through a save by this record.
struct LineEndException {
    qsizetype lineBreak = 0;
    LineEnding ending = LineEnding::CrLf;

    bool operator==(const LineEndException &other) const = default;
};
using LineEndExceptions = QList<LineEndException>;

struct DecodedText {
    QString text; // line breaks normalised to '\n'
    TextEncoding encoding = TextEncoding::Utf8;
    LineEnding lineEnding = LineEnding::CrLf; // the most frequent one in the bytes, or the fallback given
    LineEndExceptions lineEndExceptions; // the breaks of another kind than lineEnding
    bool hadLineBreaks = false;
};

// How often each kind of line break occurs, counted over one text or over the pieces of one stream.
struct LineBreakCounts {
    qsizetype crlf = 0;
    qsizetype lf = 0;
    qsizetype cr = 0;

    // Counts the breaks in the text; a CR LF is one break. A CR at the end counts as a lone CR, so a
    // caller that feeds pieces keeps a final CR back until it knows what follows.
    void add(QStringView text);
    bool any() const { return crlf + lf + cr > 0; }
    qsizetype total() const { return crlf + lf + cr; }
    // The most frequent one, CR LF before LF before CR when equal; the fallback when there are none.
    LineEnding dominant(LineEnding fallback) const;
    // The breaks of another kind than the usual one, in order.
    LineEndExceptions exceptionsTo(LineEnding usual) const;

private:
    void note(LineEnding ending);

    // Where the kind changes: the number of the first break of each stretch of one kind, and the kind.
    // A file of one kind has a single stretch, so this costs nothing worth counting.
    QList<std::pair<qsizetype, LineEnding>> stretches_;
};

struct EncodedText {
    QByteArray bytes;
    TextEncoding encoding; // differs from the one asked for only when Windows-1252 could not hold the text
};

struct ByteOrderMark {
    TextEncoding encoding;
    int length; // in bytes
};

class TextCodec {
public:
    static DecodedText decode(QByteArrayView bytes, LineEnding fallback);

    // The pieces decode() is made of, for readers that take a file piece by piece (TextStreamDecoder).
    // The encoding a byte-order mark at the start of the bytes names.
    static std::optional<ByteOrderMark> markAt(QByteArrayView bytes);
    // Bytes after the mark, if any, in the given encoding; line breaks stay as they are. For UTF-8 without
    // a mark, invalid is set when the bytes are not valid UTF-8 (the caller then reads them as
    // Windows-1252); UTF-8 with a mark replaces invalid bytes.
    static QString decodeUnmarked(QByteArrayView bytes, TextEncoding encoding, bool *invalid = nullptr);
    // Writes '\n' as the given line ending. Windows-1252 text with a character that code page lacks is
    // written as UTF-8 with a mark instead, so no character is ever lost.
    static EncodedText encode(const QString &text, TextEncoding encoding, LineEnding lineEnding);

    // The encoding for files the program creates: the system code page, which is UTF-8 here.
    static TextEncoding systemEncoding();
    static LineEnding platformLineEnding();

    static QString decodeWindows1252(QByteArrayView bytes);
    // The same into a buffer of at least bytes.size() characters, for readers that reuse one buffer for
    // many files; returns the end of what was written.
    static char16_t *decodeWindows1252(QByteArrayView bytes, char16_t *out);
    // Whether the bytes are UTF-8 as the decoder takes it: no invalid, overlong, surrogate or truncated
    // sequence. Decides between UTF-8 and Windows-1252 without decoding.
    static bool isValidUtf8(QByteArrayView bytes);
    // Not valid UTF-8, yet more of its characters beyond ASCII are valid UTF-8 than not: a UTF-8 file with
    // damaged bytes, rather than Windows-1252 text (whose Danish letters are almost never valid UTF-8).
    // Only for the program's own files, which it writes in UTF-8; a document is never judged so, since
    // reading it in Windows-1252 gives back every byte when it is saved.
    static bool looksLikeDamagedUtf8(QByteArrayView bytes);
    // Empty optional when a character has no Windows-1252 byte.
    static std::optional<QByteArray> encodeWindows1252(QStringView text);
    static QString lineBreak(LineEnding lineEnding);
    static QString normaliseLineBreaks(QString text);
    // The text, whose breaks are '\n', with each break written as its own kind: the usual one but where
    // an exception (in order of their breaks) names another. Encoded with LineEnding::Lf, it gives the bytes
    // the text was read from.
    static QString withLineEnds(const QString &text, LineEnding usual, const LineEndExceptions &exceptions);
};

// A character set named the way outside libraries name theirs, such as the "SET" line of a spelling
// dictionary ("UTF-8", "ISO8859-1"), for talking to such a library; files go through TextCodec.
class NamedCharset {
public:
    explicit NamedCharset(const QByteArray &name);
    bool isValid() const { return encoder_.isValid() && decoder_.isValid(); }
    // Empty optional when the set cannot hold every character of the text.
    std::optional<QByteArray> encode(QStringView text);
    QString decode(QByteArrayView bytes);

private:
    QStringEncoder encoder_;
    QStringDecoder decoder_;
};
