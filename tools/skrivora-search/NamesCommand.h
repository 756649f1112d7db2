#pragma once

#include <QStringList>

// `skrivora-search names`: the folder and file search box's search on the command line, with the same
// finds in the same order, the same element limit and the same headings.
//   skrivora-search names [--limit N] [--json] TEXT FOLDER
// The folders found, then the files, one full path a line; or with --json one object with both lists,
// the box's headings, the counts and the progress. Folders that could not be listed go to stderr (or into
// the object). Exit status as grep's: 0 with finds, 1 without, 2 on a usage error or a missing folder.
class NamesCommand {
public:
    // The arguments after "names".
    static int run(const QStringList &arguments);
    static const char *usage();
};
