#pragma once

#include "documents/rtf/RtfToken.h"

#include <QByteArrayView>

// Splits RTF bytes into tokens. Never reads past the end: a truncated control word, hex escape or binary
// run simply ends where the bytes end.
class RtfTokenizer {
public:
    explicit RtfTokenizer(QByteArrayView input)
        : m_input(input)
    { }

    RtfToken next();
    // Consumes everything up to and including the brace that closes the current group, for destinations
    // that are not shown (pictures can be megabytes of hex; scanning them as tokens would be wasted work).
    void skipRestOfGroup();

    qsizetype position() const { return m_position; }
    // Where the token that next() returned last begins.
    qsizetype tokenStart() const { return m_tokenStart; }

private:
    RtfToken readControl();
    RtfToken readText();
    void readParameter(RtfToken &token);
    void readBinary(RtfToken &token);

    QByteArrayView m_input;
    qsizetype m_position = 0;
    qsizetype m_tokenStart = 0;
};
