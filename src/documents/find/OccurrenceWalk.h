#pragma once

#include <QList>
#include <QStringView>

class TextFinder;

// The find and replace runs of the "Søg" page worked out over a text taken once, before anything in the
// editor changes: where each step would select or replace. Followed step by step, a run over a big
// document would search from the start again for every backward step and take the document's text
// anew after every replacement; worked out here, a whole run costs about one reading of the text.
//
// Positions count characters from 0 in the text before the command. A selection is [start, end).
namespace OccurrenceWalk {

enum class Direction { Backward, Forward };

struct Found {
    int count = 0;
    qsizetype last = -1; // start of the occurrence found last, which stays selected; -1 when none
};

// "Find tekst": forward, the first occurrence after the selection, the next search starting at its end;
// backward, the rightmost occurrence ending at or before the start of the selection (occurrences may
// overlap), the next search ending at its start. Without `all` the run stops after one step.
Found find(QStringView text, const TextFinder &finder, qsizetype selectionStart, qsizetype selectionEnd,
    Direction direction, bool all);

// "Erstat tekst": the occurrences replaced, as starts in the text before the command, in the order they
// are replaced. Each step searches the text as the replacements before it left it: forward from the end
// of the text just inserted, backward up to its start. Inserted text is thus never searched again, and
// a run replaces each occurrence that was there before the command at most once, even when the
// replacement contains the search text. What a whole-word test sees next to an occurrence is the text
// as it then stands, inserted text included.
QList<qsizetype> replace(QStringView text, const TextFinder &finder, QStringView replacement,
    qsizetype selectionStart, qsizetype selectionEnd, Direction direction, bool all);

} // namespace OccurrenceWalk
