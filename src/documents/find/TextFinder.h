#pragma once

#include <QFlags>
#include <QString>
#include <QStringView>

// The one text-matching rule of the program: find and replace in the editors and the search through the
// files below a folder both match with it, so a hit in one is a hit in the other.
//
// Without MatchCase every character compares by its Unicode case folding (Søg, søg and SØG are the same;
// so are æ and Æ). With WholeWord an occurrence counts only when neither the character before it nor the
// one after it is a letter or a digit (see isWholeWord). An empty needle is never found.
//
// A finder prepares the needle once and then searches any number of texts; it holds no text itself and
// may be used from several threads at once. Both directions scan with the needle's first or last
// character as an anchor, so a search costs about as much as reading the text once.
class TextFinder {
public:
    enum Option { NoOption = 0, WholeWord = 1, MatchCase = 2 };
    Q_DECLARE_FLAGS(Options, Option)

    TextFinder(QStringView needle, Options options);

    qsizetype needleLength() const { return needle_.size(); }
    Options options() const { return options_; }

    // The first occurrence lying wholly inside [from, to), or -1. A `to` beyond the text, or negative,
    // means the end of the text.
    qsizetype findForward(QStringView text, qsizetype from = 0, qsizetype to = -1) const;
    // The last occurrence (the one that starts furthest right; occurrences may overlap) lying wholly
    // inside [from, to), or -1. This is what searching forward from `from` again and again, each time one
    // character past the last hit, would end with.
    qsizetype findBackward(QStringView text, qsizetype from = 0, qsizetype to = -1) const;

    // The whole-word rule: the `length` characters from `start` are not preceded and not followed by a
    // letter or a digit (number characters such as "²" count as digits). Punctuation, spaces, the ends
    // of the text and line breaks all bound a word, so "ord" stands alone in "ord-bog" and "(ord)" but
    // not in "ordbog", "ordå" or "2ord".
    static bool isWholeWord(QStringView text, qsizetype start, qsizetype length);

private:
    bool matchesAt(QStringView text, qsizetype position) const;
    bool accepts(QStringView text, qsizetype position) const;

    QString needle_; // case-folded unless MatchCase
    Options options_;
    // The UTF-16 units that may stand where the needle's first (last) unit stands: the unit itself, and
    // without MatchCase every unit that folds to it. Empty when the anchor is half of a surrogate pair
    // that folding may change; the scan then tries every position.
    QString firstVariants_;
    QString lastVariants_;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TextFinder::Options)
