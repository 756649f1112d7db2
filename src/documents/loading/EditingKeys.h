#pragma once

class QKeyEvent;

// Which key presses would change the text of an editable editor, so a window can tell the user why a
// read-only editor (a document still loading) does nothing with them.
namespace EditingKeys {

// Typed characters, line breaks, tabs, deleting, and the shortcuts that cut, paste, undo and redo. Moving
// the caret, selecting and copying are not edits.
bool changesText(const QKeyEvent &event);

} // namespace EditingKeys
