#pragma once

#include <QString>

// A folder tree of Danish documents for timing text searches: UTF-8 without and with a mark (LF),
// Windows-1252 (CR LF) and a share of RTF, with three words planted at known places: "solskin", rare
// (about one file in five holds it) and plain ASCII everywhere; "regnbue", ASCII too but on one line
// in a hundred; "påskeæg", as rare as "solskin" and encoded as each file's encoding has it, so tools that
// read only UTF-8 miss it in the Windows-1252 and RTF files. A line holds at most one planted word, in
// one of three letter cases, so a tool that counts matching lines counts occurrences.
class SearchTreeGenerator {
public:
    struct Counts {
        qint64 files = 0;
        qint64 folders = 0;
        qint64 bytes = 0;
        qint64 asciiWord = 0; // occurrences of "solskin", all files
        qint64 frequentWord = 0; // occurrences of "regnbue", all files
        qint64 danishWord = 0; // occurrences of "påskeæg", all files
        qint64 danishWordInUtf8 = 0; // of those, in the UTF-8 files
    };

    static constexpr const char *kAsciiWord = "solskin";
    static constexpr const char *kFrequentWord = "regnbue";
    static constexpr const char *kDanishWord = "påskeæg";

    // About 25 KB a file, one folder for every hundred files below twenty top folders.
    static Counts generate(const QString &root, int fileCount);
};
