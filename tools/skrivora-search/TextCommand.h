#pragma once

#include <QStringList>

// `skrivora-search text`: the find-text box's search on the command line, with the same rows.
//   skrivora-search text [--mask '*.txt'] [--whole-word] [--match-case] [--recursive] [--json] TEXT FOLDER
// One hit a line as path:position:line, or with --json one object with the rows, the count, the folder
// and file labels of a recursive search and the files that could not be searched. Exit status as grep's:
// 0 with hits, 1 without, 2 on a usage error.
class TextCommand {
public:
    // The arguments after "text".
    static int run(const QStringList &arguments);
    static const char *usage();
};
