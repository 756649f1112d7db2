#pragma once

#include <QList>
#include <QStringView>

#include <optional>

// The words of a paragraph as the spell checker sees them: runs of letters and digits, joined by a
// hyphen, an apostrophe or a full stop that has a letter or digit on both sides ("e-mail", "bl.a",
// "Ærø-færge"). A full stop right after a word is not part of it; the checker tries it on for
// abbreviations ("f.eks.").
class WordFinder {
public:
    struct Word {
        int start = 0;
        int length = 0;
        int end() const { return start + length; }
        bool operator==(const Word &other) const = default;
    };

    static QList<Word> words(QStringView text);
    // The word that holds the position or ends right at it.
    static std::optional<Word> wordAt(QStringView text, int position);
};
