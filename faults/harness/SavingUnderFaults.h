#pragma once

#include <QString>

// One save of a big document, for a script that kills the program at a random moment of it: loads the
// document, makes its first line "Gemning N" (as long as the line it replaces), prints "gemmer" and then,
// once written, "gemt MS". 0 when the save went through.
int saveOnce(const QString &root, const QString &document, int number);

// Starts the program on the root with the document and closes it again: the next start after a kill.
int startAndClose(const QString &root, const QString &document);

// Saving when a write cannot happen (a full disk, no permission), for the document, a list file and the
// settings files: each failure is told in Danish with the file's name and the reason, the old files are
// intact and the document stays modified. With a folder to fill, its file system is filled up first.
int writeFailures(const QString &root, const QString &document, const QString &fillFolder);
