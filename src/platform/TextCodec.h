#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// The one place where bytes on disk become text and back, for documents, settings files and list files.
// A byte-order mark decides; without one, valid UTF-8 is UTF-8 and anything else Windows-1252, decoded
// losslessly, so Danish files from Windows read right here and the other way round.
enum class TextEncoding { Utf8, Utf8Bom, Utf16LE, Utf16BE, Windows1252 };

enum class LineEnding { CrLf, Lf, Cr };

struct DecodedText {
    QString text;  // line breaks normalised to '\n'
    TextEncoding encoding = TextEncoding::Utf8;
    LineEnding lineEnding = LineEnding::CrLf;  // the most frequent one in the bytes, or the fallback given
    bool hadLineBreaks = false;
};

struct EncodedText {
    QByteArray bytes;
    TextEncoding encoding;  // differs from the one asked for only when Windows-1252 could not hold the text
};

class TextCodec {
public:
    static DecodedText decode(QByteArrayView bytes, LineEnding fallback);
    // Writes '\n' as the given line ending. Windows-1252 text with a character that code page lacks is
    // written as UTF-8 with a mark instead, so no character is ever lost.
    static EncodedText encode(const QString &text, TextEncoding encoding, LineEnding lineEnding);

    // The encoding for files the program creates: the system code page, which is UTF-8 here.
    static TextEncoding systemEncoding();
    static LineEnding platformLineEnding();

    static QString decodeWindows1252(QByteArrayView bytes);
    // Empty optional when a character has no Windows-1252 byte.
    static std::optional<QByteArray> encodeWindows1252(QStringView text);
    static QString lineBreak(LineEnding lineEnding);
    static QString normaliseLineBreaks(QString text);
    static QString name(TextEncoding encoding);
};
