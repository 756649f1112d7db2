#include "documents/position/BlockLineMeasurer.h"

#include <QFontDatabase>
#include <QRandomGenerator>
#include <QTextLayout>
#include <QtTest>

namespace {

// The count the editor's plain-text layout gives: every paragraph laid out whole.
int laidOutLines(const QString &text, const BlockLineMeasurer::Settings &settings)
{
    QTextLayout layout(text, settings.font);
    layout.setTextOption(settings.option);
    layout.beginLayout();
    int lines = 0;
    while (true) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(settings.width);
        ++lines;
    }
    layout.endLayout();
    return std::max(lines, 1);
}

QString danishProse(int words, quint32 seed)
{
    static const QStringList vocabulary { QStringLiteral("og"), QStringLiteral("i"), QStringLiteral("færgen"),
        QStringLiteral("Ærøskøbing"), QStringLiteral("lagde"), QStringLiteral("til"), QStringLiteral("ved"),
        QStringLiteral("kajen,"), QStringLiteral("og"), QStringLiteral("passagererne"),
        QStringLiteral("skyndte"), QStringLiteral("sig"), QStringLiteral("T-shirts"),
        QStringLiteral("\"AVANCERET\""), QStringLiteral("Wow!"), QStringLiteral("(fløde)"),
        QStringLiteral("https://www.example.dk/sti/til/side?a=1&b=2"), QStringLiteral("e-mail:"),
        QStringLiteral("1.234,56"), QStringLiteral("kr."), QStringLiteral("Yes;"), QStringLiteral("fi-fly"),
        QStringLiteral("jul/nytår"), QStringLiteral("VA"), QStringLiteral("Tåge") };
    QRandomGenerator random(seed);
    QString text;
    for (int i = 0; i < words; ++i) {
        text += vocabulary.at(random.bounded(int(vocabulary.size())));
        text += random.bounded(9) == 0 ? QStringLiteral("  ") : QStringLiteral(" ");
    }
    return text;
}

} // namespace

class BlockLineMeasurerTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void countsAsTheLayoutDoes_data();
    void countsAsTheLayoutDoes();
};

void BlockLineMeasurerTest::countsAsTheLayoutDoes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("family");

    const QString proportional = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    const QString fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    QTest::newRow("prose, punctuation and addresses") << danishProse(400, 1) << proportional;
    QTest::newRow("prose in a fixed font") << danishProse(400, 2) << fixed;
    QTest::newRow("more prose") << danishProse(600, 7) << proportional;
    QTest::newRow("more prose in a fixed font") << danishProse(600, 11) << fixed;
    QTest::newRow("prose in the editor's font") << danishProse(600, 13) << QStringLiteral("Courier New");
    QTest::newRow("leading and repeated blanks")
        << QStringLiteral("     ") + danishProse(200, 3) + QStringLiteral("    ") << proportional;
    QTest::newRow("one word wider than a line") << QStringLiteral("kort ")
            + QStringLiteral("Ab9+/").repeated(300) + QStringLiteral(" og ")
            + QStringLiteral("x").repeated(500) << proportional;
    QTest::newRow("tabs") << QStringLiteral("a\tbc\tdef\t").repeated(60) << proportional;
    QTest::newRow("combining marks and other scripts")
        << QStringLiteral("Cafe\u0301 \u05E9\u05DC\u05D5\u05DD \u4E2D\u6587 ").repeated(60) << proportional;
    QTest::newRow("soft hyphens") << QStringLiteral("ferskvands\u00ADfisker ").repeated(80) << proportional;
    QTest::newRow("only blanks") << QStringLiteral(" ").repeated(400) << proportional;
}

void BlockLineMeasurerTest::countsAsTheLayoutDoes()
{
    QFETCH(QString, text);
    QFETCH(QString, family);

    for (const QTextOption::WrapMode mode :
        { QTextOption::WrapAtWordBoundaryOrAnywhere, QTextOption::WordWrap, QTextOption::WrapAnywhere }) {
        BlockLineMeasurer measurer;
        BlockLineMeasurer::Settings settings;
        settings.font = QFont(family, 11);
        settings.option.setWrapMode(mode);
        QList<qreal> widths;
        for (int width = 23; width < 900; width += 37)
            widths << width + 0.25;
        // In a fixed-pitch font a line of letters may end exactly at the edge.
        const qreal cell = QFontMetricsF(settings.font).horizontalAdvance(u'n');
        for (int cells = 3; cells < 110; cells += 9)
            widths << cells * cell;
        for (const qreal width : std::as_const(widths)) {
            settings.width = width;
            measurer.setSettings(settings);
            const int counted = measurer.lineCount(text);
            const int laidOut = laidOutLines(text, settings);
            if (counted != laidOut)
                QFAIL(qPrintable(QStringLiteral("%1 lines where the layout has %2, at width %3, wrap mode %4")
                                     .arg(counted)
                                     .arg(laidOut)
                                     .arg(settings.width)
                                     .arg(int(mode))));
        }
    }
}

QTEST_MAIN(BlockLineMeasurerTest)
#include "tst_BlockLineMeasurer.moc"
