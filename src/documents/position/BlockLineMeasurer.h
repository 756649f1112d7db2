#pragma once

#include <QFont>
#include <QString>
#include <QTextOption>

#include <vector>

// How many lines one paragraph of a plain-text document takes when laid out at a given width, worked
// out apart from the editor so that no layout is kept in memory. The result is the one the editor's own
// plain-text layout gives: the same font, text option and width go into a throw-away QTextLayout.
// Most paragraphs skip the layout, whose shaping costs some 400 ns a character: sums of cached character
// widths show where the lines break, between the places Qt's layout may break a line (found as it finds
// them), whenever each break lies clear of the edge by more than kerning could move it. A paragraph with
// a break too close to call, characters that need shaping, or a word wider than the line is laid out.
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

    Settings settings_;
    // Advance of each character below U+0300, measured on first use; negative until then.
    std::vector<float> advances_;
    qreal widestAdvance_ = 0;
};
