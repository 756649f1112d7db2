#pragma once

#include <QFont>
#include <QList>
#include <QString>
#include <QTextLayout>

class QTextBlock;

// How the line of a hit is found: the text laid out as the search's hidden rich-text editor lays it out,
// 400 pixels wide in the box's font, breaking long lines at word boundaries. Only the paragraph that holds
// a hit is laid out, and only as far as the hits in it reach.
struct HitLineStyle {
    HitLineStyle(QFont font, qreal width);

    QFont font;
    qreal width = 0; // of the text inside the editor
    // The advance of each character up to U+024F (Latin), measured once, so that a short line of Latin
    // text can be seen to fit without being laid out.
    QList<qreal> latinAdvances;

    static HitLineStyle hiddenEditor();
    // Whether the text surely fits on one line: Latin letters, digits and punctuation only, narrower
    // than the width by a margin that kerning and ligatures cannot use up.
    bool surelyFits(QStringView text) const;
};

// The lines of one paragraph, laid out as far as they are asked for. Offsets count from the paragraph's
// start and may be asked in any order, though ascending is cheapest.
class HitLineLayout {
public:
    struct Paragraph {
        explicit Paragraph(QString text)
            : text(std::move(text))
        { }

        // The block's text, the formats of its fragments and the margins its editor gives it.
        static Paragraph of(const QTextBlock &block);

        QString text;
        QList<QTextLayout::FormatRange> formats; // rich text only
        qreal leftMargin = 0;
        qreal rightMargin = 0;
        qreal firstLineIndent = 0;
    };

    HitLineLayout(Paragraph paragraph, const HitLineStyle &style);
    ~HitLineLayout();
    HitLineLayout(const HitLineLayout &) = delete;
    HitLineLayout &operator=(const HitLineLayout &) = delete;

    // The text of the line that holds the character at the offset, without a closing line separator.
    QString lineAt(qsizetype offset);

private:
    bool layOutNextLine();
    QString textOf(const QTextLine &line) const;

    QString text_;
    QTextLayout layout_;
    qreal width_;
    qreal firstLineIndent_;
    bool complete_ = false;
    int current_ = 0; // the line the last answer came from
};
