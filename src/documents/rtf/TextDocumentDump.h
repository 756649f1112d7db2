#pragma once

#include <QJsonObject>
#include <QString>

class QTextDocument;

// How developers, testers and tests look inside a document: its paragraphs with their formatting and
// runs, as JSON, or its shown text.
class TextDocumentDump {
public:
    // {"paragraphs": [{"alignment", indents and spacing in points, "pageBreakBefore", "list" (null or
    // style and level), "runs": [{"text", "bold", "italic", "underline", "strike", "font", "size" in points,
    // "position" (normal, superscript, subscript), "colour" and "background" as "#rrggbb" or null, "link" or
    // null}]}]}
    static QJsonObject toJson(const QTextDocument &document);

    // One line per paragraph, each ended by '\n'.
    static QString visibleText(const QTextDocument &document);
};
