#pragma once

#include <QString>

// File names as the program keeps and compares them. A name is made absolute where it enters the program
// (the command line, a drop, a list, a dialog), so that it still names the same file from any folder and
// two spellings of one file ("notat.txt", "./notat.txt", "/hjem/ole/notat.txt") are one name.
namespace FileNames {

// The absolute, cleaned form of the name, resolved against the process's working folder; empty stays
// empty. Links are kept as the user named them.
QString absolute(const QString &name);

// Whether the two names stand for one file: when both exist, by their canonical paths (links and "..",
// resolved); otherwise by their absolute forms with letter case ignored, as the program's lists compare.
bool sameFile(const QString &first, const QString &second);

} // namespace FileNames
