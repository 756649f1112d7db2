#pragma once

#include <QFont>
#include <QHash>
#include <QString>
#include <QTextOption>

#include <vector>

// How many lines one paragraph of a plain-text document takes when laid out at a given width, worked
// out apart from the editor so that no layout is kept in memory. The result is the one the editor's own
// plain-text layout gives: the same font, text option and width go into a throw-away QTextLayout.
// Most paragraphs skip the layout, whose shaping costs some 400 ns a character: the cached widths of
// their words, each shaped once, show where the lines break, between the places Qt's layout may break a
// line (found as it finds them), whenever a break lies clear of the edge by more than kerning between
// words could move it. In a fixed-pitch font whose letters do not kern, the sums are the layout's own
// and no line is too close to call. A line too close to call, or with a word wider than itself, is
// laid out alone;
// a paragraph with characters whose width needs more than the font (tabs, combining marks, other
// scripts) is laid out whole.
class BlockLineMeasurer {
public:
    struct Settings {
        QFont font;
        QTextOption option;
        // Width available to the text in pixels; 0 or less means no wrapping.
        qreal width = 0;

        bool wraps() const { return width > 0 && option.wrapMode() != QTextOption::NoWrap; }
        bool operator==(const Settings &other) const
        {
            return font == other.font && width == other.width && option.wrapMode() == other.option.wrapMode()
                && option.tabStopDistance() == other.option.tabStopDistance()
                && option.flags() == other.option.flags();
        }
    };

    struct LineAt {
        int line = 0; // within the paragraph, from 0
        int start = 0; // the line's first character within the paragraph
    };

    void setSettings(const Settings &settings);
    const Settings &settings() const { return settings_; }

    int lineCount(const QString &text);
    // The laid-out line holding the position (0 to text.size()).
    LineAt lineAt(const QString &text, int position);

private:
    // True when the text surely fits on one line, judged without laying it out.
    bool fitsOnOneLine(const QString &text);
    // The line count from character widths alone; -1 when only a layout can tell.
    int countByAdvances(const QString &text);
    // The cached width of the character; negative when it needs shaping.
    qreal advance(QChar c);
    // True when a line's width is exactly the sum of its characters' advances, as in a fixed-pitch
    // font without kerning: shaped, a sample text is as wide as its letters one by one.
    bool advancesAreExact();
    struct WordWidth {
        qreal advance = 0; // shaped; negative when a character's width depends on more than the font
        qreal overhang = 0; // how far the last glyph reaches out past its advance
    };
    WordWidth wordWidth(QStringView word);
    // How many characters the first line of the text from there takes, laid out.
    qsizetype firstLineLength(const QString &text, qsizetype from);

    Settings settings_;
    // Advance of each character below U+0300, measured on first use; negative until then.
    std::vector<float> advances_;
    QHash<QString, WordWidth> wordWidths_;
    qreal widestAdvance_ = 0;
    bool exactAdvances_ = false;
};
