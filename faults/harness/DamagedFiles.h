#pragma once

#include <QString>

// Starts the program on the files of a first run with one of them damaged, for every file and every
// damage: cut at every byte, every byte flipped, every byte a NUL, every line a huge one. The program
// must start, must not write a damaged file while it runs unless its owner rewrites that file on loading,
// and whatever it writes at its close must be a well-formed file. Prints the figures; 0 when every case
// held. With a number, tries only every n-th position of cuts, flips and NULs.
int damagedFiles(const QString &work, int stride);
