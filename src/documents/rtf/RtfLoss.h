#pragma once

#include <QFlags>

// Kinds of content an RTF file can hold that the document cannot keep: the reader shows what it can of
// them (a field's result, an object's picture) and reports the kind, so the user is told when the file
// opens and asked before it is saved over. Pictures in formats that cannot be shown are no loss: they are
// kept as they were and written back unchanged.
enum class RtfLoss {
    HeadersAndFooters = 0x01,
    Footnotes = 0x02,
    Comments = 0x04,
    Fields = 0x08, // fields other than hyperlinks: only their last result is kept, as plain text
    Objects = 0x10, // embedded objects, drawings, shapes and text boxes: only their picture or text is kept
    Damage = 0x20, // the file ends inside a group, or text follows its end: what came after is missing
    HiddenText = 0x40, // text and pictures formatted as hidden: the document has no hidden text
    IndexEntries = 0x80, // entries for an index or a table of contents
};
Q_DECLARE_FLAGS(RtfLosses, RtfLoss)
Q_DECLARE_OPERATORS_FOR_FLAGS(RtfLosses)
