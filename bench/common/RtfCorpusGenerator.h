#pragma once

#include <QByteArray>

// Writes a large RTF document the way word processors do: a font and colour table, a list table, and
// paragraphs with mixed character formatting, Danish letters as "\'hh", other scripts as "\uN",
// bullets in both list forms, hyperlinks and table rows. The same seed gives the same bytes.
class RtfCorpusGenerator {
public:
    static QByteArray generate(int paragraphs, unsigned seed);
};
