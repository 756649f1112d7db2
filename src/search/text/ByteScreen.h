#pragma once

#include "documents/find/TextFinder.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

// Tells from a plain-text file's bytes alone, before decoding, that it cannot hold the needle, so the
// search decodes only the files that may. It looks for the needle's longest run of ASCII characters:
// UTF-8 and Windows-1252 both store ASCII as itself and nothing else as ASCII bytes, so an occurrence
// in the decoded text means the run in the bytes, in some letter case unless the case must match. The
// two characters outside ASCII whose case folding is an ASCII letter (the long s and the Kelvin sign)
// are looked for too before a file is passed over.
class ByteScreen {
public:
    ByteScreen(QStringView needle, TextFinder::Options options);

    // False only when no occurrence can be in the bytes, decoded as UTF-8 or Windows-1252 with or
    // without a mark. Always true for UTF-16; says nothing about RTF's visible text.
    bool mayHold(QByteArrayView bytes) const;

    // Whether the run is the whole needle, which then can be found in the bytes themselves.
    bool runIsWholeNeedle() const { return runIsWholeNeedle_; }
    // Where the run stands next in the bytes from `from`, in some letter case unless the case must
    // match; -1 when nowhere.
    qsizetype findRun(QByteArrayView bytes, qsizetype from) const;
    // Whether UTF-8 bytes hold a character outside ASCII that folds into the run.
    bool mayFoldIntoRun(QByteArrayView bytes) const;

private:
    bool runStandsAt(QByteArrayView bytes, qsizetype start) const;

    QByteArray run_; // lower case unless the case must match
    bool matchCase_;
    bool foldedFromOutsideAscii_ = false; // the run holds an s or a k
    bool runIsWholeNeedle_ = false;
};
