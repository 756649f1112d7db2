#pragma once

#include <QJsonObject>
#include <QString>

class QTextDocument;

// How developers, testers and tests look inside a document: its paragraphs with their formatting and
// runs, as JSON, or its shown text.
class TextDocumentDump {
public:
    // {"paragraphs": [{"alignment", indents and spacing in points, "pageBreakBefore", "list" (null or
    // "style", "level" and "item", the number shown, or null for a bullet), "cell" (null or "table" counted
    // from 0 in document order, "row", "column"), "runs": [{"text", "bold", "italic", "underline", "strike",
    // "font", "size" in points, "position" (normal, superscript, subscript), "colour" and "background" as
    // "#rrggbb" or null, "link" or null, "image" (null or "width" and "height" in points)}]}],
    //  "tables": [{"rows", "columns", "widths" in points (null where not fixed), "cells": [{"row", "column",
    //  "rowSpan", "columnSpan"} for each cell that spans more than one]}]}
    static QJsonObject toJson(const QTextDocument &document);

    // The text as word processors export it: one line per paragraph, each ended by '\n'; a line break
    // inside a paragraph ends a line too; a table gives the paragraphs of its cells row by row, an empty
    // cell as an empty line; pictures give nothing. The empty paragraphs Qt keeps before a table that
    // opens the document and after one that ends it are no lines of the text.
    static QString visibleText(const QTextDocument &document);
};
