#pragma once

#include <QString>

// The word a web search looks for: the selection, or the word around the caret on its line.
namespace SearchWord {

// Word characters are "-", digits, A to Z, a to z and the six Danish letters; nothing else.
bool isWordCharacter(QChar c);
// With a selection: the selected text without one trailing space. Otherwise the word characters left
// and right of the caret column on the line. Empty when there is none.
QString getTheWord(const QString &selection, const QString &line, int caretColumn);
// The text searched for: the word, or "Der mangler et søgeord" when there is none.
QString searchText(const QString &word);

} // namespace SearchWord
