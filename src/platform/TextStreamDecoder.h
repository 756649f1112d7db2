#pragma once

#include "platform/TextCodec.h"

#include <QByteArray>

// Decodes a file piece by piece with the rules of TextCodec::decode, so that a big file can be shown
// before all of it has been read. Fed the same bytes in any split, the pieces joined give the text,
// encoding and line ending that TextCodec::decode gives for the whole file.
//
// The byte-order mark decides as always. Without one, the rule is "valid UTF-8 in the whole file is
// UTF-8, anything else Windows-1252", which no piece can know alone: the decoder reads UTF-8 as long as
// the bytes are valid. When a later piece proves the file is not UTF-8 and everything handed out so far
// was ASCII (which reads the same in both), it simply goes on in Windows-1252. When non-ASCII text was
// already handed out, needsRestart() turns true: that text was wrong, and the caller starts again from
// the first byte with a decoder made by windows1252(). Files that are UTF-8 in their first part and not
// further on are rare, so the restart costs little in practice.
class TextStreamDecoder {
public:
    explicit TextStreamDecoder(LineEnding fallback);
    // Reads every byte as Windows-1252, for the second pass after a restart.
    static TextStreamDecoder windows1252(LineEnding fallback);

    // The text of the next bytes of the file, line breaks normalised to '\n'. Bytes that end inside a
    // character and a final CR that may be the first half of a CR LF wait for the next call. Empty once
    // needsRestart() is true.
    QString decode(QByteArrayView bytes);
    // The text of the bytes still waiting, at the end of the file.
    QString finish();

    bool needsRestart() const { return restart_; }
    // Known once the first bytes are in (a mark needs up to three); final after finish().
    TextEncoding encoding() const { return encoding_; }
    // Final after finish().
    LineEnding lineEnding() const { return breaks_.dominant(fallback_); }
    // Final after finish().
    LineEndExceptions lineEndExceptions() const { return breaks_.exceptionsTo(lineEnding()); }
    bool hadLineBreaks() const { return breaks_.any(); }

private:
    enum class Phase { BeforeMark, Decoding };

    void takeMark();
    QString decodeHeld(bool atEnd);
    QString normalise(QString text, bool atEnd);
    // How many of the held bytes form whole characters; the rest waits for more bytes.
    qsizetype completeLength() const;

    LineEnding fallback_;
    Phase phase_ = Phase::BeforeMark;
    TextEncoding encoding_ = TextEncoding::Utf8;
    QByteArray held_;
    bool heldCr_ = false;
    bool nonAsciiHandedOut_ = false;
    bool restart_ = false;
    LineBreakCounts breaks_;
};
