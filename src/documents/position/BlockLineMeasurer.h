#pragma once

#include <QFont>
#include <QString>
#include <QTextOption>

#include <vector>

// How many lines one paragraph of a plain-text document takes when laid out at a given width, worked
// out apart from the editor so that no layout is kept in memory. The result is the one the editor's own
// plain-text layout gives: the same font, text option and width go into a throw-away QTextLayout.
// Short paragraphs skip the layout: a sum of cached character widths shows that they fit on one line.
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

    Settings settings_;
    // Advance of each character below U+0300, measured on first use; negative until then.
    std::vector<float> advances_;
    qreal widestAdvance_ = 0;
};
