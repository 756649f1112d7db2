#include "documents/loading/EditingKeys.h"

#include <QKeyEvent>

namespace EditingKeys {

bool changesText(const QKeyEvent &event)
{
    for (const QKeySequence::StandardKey edit : { QKeySequence::Cut, QKeySequence::Paste, QKeySequence::Undo,
             QKeySequence::Redo, QKeySequence::Delete, QKeySequence::DeleteStartOfWord,
             QKeySequence::DeleteEndOfWord, QKeySequence::DeleteEndOfLine }) {
        if (event.matches(edit))
            return true;
    }
    switch (event.key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
        return true;
    default:
        break;
    }
    // AltGr comes as Ctrl+Alt on some systems and still types its character.
    const Qt::KeyboardModifiers held
        = event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (held && held != (Qt::ControlModifier | Qt::AltModifier))
        return false;
    const QString text = event.text();
    return !text.isEmpty() && text.at(0).isPrint();
}

} // namespace EditingKeys
