#pragma once

#include <QString>

// Three modified documents for a script that kills the program: a new one, a plain Windows-1252 file
// and a rich-text file, each with typed text. What each must hold after
// recovery is put into the folder (one file each, beside the documents). Prints "klar" once every
// document has its recovery copy (or, with endedFromOutside, once the documents are ready and the
// program waits for a termination signal instead), then runs until killed.
int modifyThree(const QString &root, const QString &folder, bool endedFromOutside);

// The next start: answers "Ja" to the recovery question and compares every document it gives back with
// what the folder says it must hold: text, name, encoding, line ends and the modified state. Prints the
// documents recovered; 0 when all came back exactly.
int recoverThree(const QString &root, const QString &folder);

// A second start while the program runs on the same root: it must not offer (nor take) the running
// one's copies. 0 when it asked nothing and the running one's copies are still there.
int secondInstance(const QString &root);
