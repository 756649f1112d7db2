#include "documents/find/TextFinder.h"

#include <QRandomGenerator>
#include <QtTest>

Q_DECLARE_METATYPE(TextFinder::Options)

class TextFinderTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void forward_data();
    void forward();
    void backward_data();
    void backward();
    void wholeWordRule_data();
    void wholeWordRule();
    void findAllForwardNeverOverlaps();
    void backwardWalkEndsAtEachStart();
    void agreesWithPlainComparisonOnMixedText();

private:
    static void addSearchColumns();
};

namespace {

const TextFinder::Options kNone = TextFinder::NoOption;
const TextFinder::Options kCase = TextFinder::MatchCase;
const TextFinder::Options kWord = TextFinder::WholeWord;

// The slow way, one comparison per position, for comparing the finder with.
qsizetype plainFindForward(
    const QString &text, const QString &needle, TextFinder::Options options, qsizetype from, qsizetype to)
{
    const Qt::CaseSensitivity cs = options & TextFinder::MatchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (qsizetype p = from; !needle.isEmpty() && p + needle.size() <= to; ++p) {
        if (QStringView(text).sliced(p, needle.size()).compare(needle, cs) != 0)
            continue;
        if (!(options & TextFinder::WholeWord) || TextFinder::isWholeWord(text, p, needle.size()))
            return p;
    }
    return -1;
}

// The last occurrence ending at or before `to`, found by searching forward from the start again and
// again, one character past each hit: the editors' backward step has always meant this.
qsizetype lastBeforeByForwardSteps(const TextFinder &finder, const QString &text, qsizetype to)
{
    qsizetype last = -1;
    for (qsizetype pos = 0; pos < to;) {
        const qsizetype found = finder.findForward(text, pos, to);
        if (found < 0)
            break;
        last = found;
        pos = found + 1;
    }
    return last;
}

} // namespace

void TextFinderTest::addSearchColumns()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<TextFinder::Options>("options");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("expected");
}

void TextFinderTest::forward_data()
{
    addSearchColumns();
    const QString soeg = QStringLiteral("søg SØG Søg");
    QTest::newRow("case-blind finds lower case first")
        << soeg << QStringLiteral("Søg") << kNone << 0 << -1 << 0;
    QTest::newRow("case-blind finds capitals") << soeg << QStringLiteral("Søg") << kNone << 1 << -1 << 4;
    QTest::newRow("match case finds only the same letters")
        << soeg << QStringLiteral("Søg") << kCase << 0 << -1 << 8;
    QTest::newRow("æ and Æ fold") << QStringLiteral("et ÆBLE") << QStringLiteral("æble") << kNone << 0 << -1
                                  << 3;
    QTest::newRow("ø and Ø fold") << QStringLiteral("FØDE") << QStringLiteral("føde") << kNone << 0 << -1
                                  << 0;
    QTest::newRow("å and Å fold") << QStringLiteral("på PÅ") << QStringLiteral("på") << kNone << 1 << -1 << 3;
    QTest::newRow("match case keeps æ apart from Æ")
        << QStringLiteral("Æble") << QStringLiteral("æble") << kCase << 0 << -1 << -1;
    QTest::newRow("kelvin sign folds to k")
        << QStringLiteral("5 \u212A") << QStringLiteral("k") << kNone << 0 << -1 << 2;
    QTest::newRow("sharp s is one character, not ss")
        << QStringLiteral("Straße") << QStringLiteral("ss") << kNone << 0 << -1 << -1;
    QTest::newRow("letters beyond the first plane fold")
        << QStringLiteral("x \U00010400y") << QStringLiteral("\U00010428Y") << kNone << 0 << -1 << 2;
    QTest::newRow("empty needle is never found")
        << QStringLiteral("abc") << QString() << kNone << 0 << -1 << -1;
    QTest::newRow("empty text") << QString() << QStringLiteral("a") << kNone << 0 << -1 << -1;
    QTest::newRow("needle longer than text")
        << QStringLiteral("ord") << QStringLiteral("ordbog") << kNone << 0 << -1 << -1;
    QTest::newRow("at the start") << QStringLiteral("ord og ord") << QStringLiteral("ord") << kNone << 0 << -1
                                  << 0;
    QTest::newRow("at the very end") << QStringLiteral("og ord") << QStringLiteral("ord") << kNone << 1 << -1
                                     << 3;
    QTest::newRow("from past the last occurrence")
        << QStringLiteral("ord og") << QStringLiteral("ord") << kNone << 1 << -1 << -1;
    QTest::newRow("occurrence crossing the range end is not inside")
        << QStringLiteral("abcabc") << QStringLiteral("bc") << kNone << 2 << 5 << -1;
    QTest::newRow("occurrence ending at the range end is inside")
        << QStringLiteral("abcabc") << QStringLiteral("bc") << kNone << 2 << 6 << 4;
    QTest::newRow("range end beyond the text means its end")
        << QStringLiteral("abc") << QStringLiteral("c") << kNone << 0 << 99 << 2;
    QTest::newRow("negative start means the start")
        << QStringLiteral("abc") << QStringLiteral("a") << kNone << -5 << -1 << 0;
    QTest::newRow("start beyond the text")
        << QStringLiteral("abc") << QStringLiteral("a") << kNone << 9 << -1 << -1;
    QTest::newRow("whole word skips ordbog")
        << QStringLiteral("ordbog ord") << QStringLiteral("ord") << kWord << 0 << -1 << 7;
    QTest::newRow("whole word: not in ordå")
        << QStringLiteral("ordå") << QStringLiteral("ord") << kWord << 0 << -1 << -1;
    QTest::newRow("whole word: not in 2ord")
        << QStringLiteral("2ord") << QStringLiteral("ord") << kWord << 0 << -1 << -1;
    QTest::newRow("whole word: in ord-bog")
        << QStringLiteral("ord-bog") << QStringLiteral("ord") << kWord << 0 << -1 << 0;
    QTest::newRow("whole word: in (ord)")
        << QStringLiteral("(ord)") << QStringLiteral("ord") << kWord << 0 << -1 << 1;
    QTest::newRow("whole word and case-blind together")
        << QStringLiteral("ORDBOG ORD") << QStringLiteral("ord") << (kWord | kNone) << 0 << -1 << 7;
    QTest::newRow("whole word looks past the range end")
        << QStringLiteral("ordbog") << QStringLiteral("ord") << kWord << 0 << 3 << -1;
    QTest::newRow("line break bounds a word")
        << QStringLiteral("x\nord\ny") << QStringLiteral("ord") << kWord << 0 << -1 << 2;
    QTest::newRow("a needle made of punctuation")
        << QStringLiteral("a -- b") << QStringLiteral("--") << kWord << 0 << -1 << 2;
}

void TextFinderTest::forward()
{
    QFETCH(QString, text);
    QFETCH(QString, needle);
    QFETCH(TextFinder::Options, options);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, expected);
    QCOMPARE(TextFinder(needle, options).findForward(text, from, to), qsizetype(expected));
}

void TextFinderTest::backward_data()
{
    addSearchColumns();
    QTest::newRow("rightmost of overlapping: aa in aaaa")
        << QStringLiteral("aaaa") << QStringLiteral("aa") << kNone << 0 << 4 << 2;
    QTest::newRow("ending at the limit: aa before 2")
        << QStringLiteral("aaaa") << QStringLiteral("aa") << kNone << 0 << 2 << 0;
    QTest::newRow("rightmost of overlapping: aa in aaa")
        << QStringLiteral("aaa") << QStringLiteral("aa") << kNone << 0 << 3 << 1;
    QTest::newRow("nothing fits before 1")
        << QStringLiteral("aaa") << QStringLiteral("aa") << kNone << 0 << 1 << -1;
    QTest::newRow("case-blind") << QStringLiteral("Søg og SØG") << QStringLiteral("søg") << kNone << 0 << -1
                                << 7;
    QTest::newRow("match case") << QStringLiteral("Søg og SØG") << QStringLiteral("Søg") << kCase << 0 << -1
                                << 0;
    QTest::newRow("whole word passes over ordbog")
        << QStringLiteral("ord ordbog") << QStringLiteral("ord") << kWord << 0 << -1 << 0;
    QTest::newRow("whole word looks past the limit")
        << QStringLiteral("ord ordbog") << QStringLiteral("ord") << kWord << 0 << 7 << 0;
    QTest::newRow("at the very start")
        << QStringLiteral("ord og") << QStringLiteral("ord") << kNone << 0 << -1 << 0;
    QTest::newRow("occurrence before the range start is outside")
        << QStringLiteral("ord og") << QStringLiteral("ord") << kNone << 1 << -1 << -1;
    QTest::newRow("empty needle") << QStringLiteral("abc") << QString() << kNone << 0 << -1 << -1;
    QTest::newRow("needle longer than text")
        << QStringLiteral("ab") << QStringLiteral("abc") << kNone << 0 << -1 << -1;
    QTest::newRow("letters beyond the first plane fold")
        << QStringLiteral("\U00010400 \U00010428") << QStringLiteral("\U00010400") << kNone << 0 << -1 << 3;
    QTest::newRow("long text, hit far from the limit")
        << (QStringLiteral("Æble") + QString(100, u'x')) << QStringLiteral("æble") << kNone << 0 << -1 << 0;
}

void TextFinderTest::backward()
{
    QFETCH(QString, text);
    QFETCH(QString, needle);
    QFETCH(TextFinder::Options, options);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, expected);
    QCOMPARE(TextFinder(needle, options).findBackward(text, from, to), qsizetype(expected));
}

void TextFinderTest::wholeWordRule_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("whole");

    QTest::newRow("alone") << QStringLiteral("ord") << 0 << 3 << true;
    QTest::newRow("letter after") << QStringLiteral("ordbog") << 0 << 3 << false;
    QTest::newRow("danish letter after") << QStringLiteral("ordå") << 0 << 3 << false;
    QTest::newRow("danish letter before") << QStringLiteral("æord") << 1 << 3 << false;
    QTest::newRow("digit before") << QStringLiteral("2ord") << 1 << 3 << false;
    QTest::newRow("digit after") << QStringLiteral("ord2") << 0 << 3 << false;
    QTest::newRow("hyphen after") << QStringLiteral("ord-bog") << 0 << 3 << true;
    QTest::newRow("brackets around") << QStringLiteral("(ord)") << 1 << 3 << true;
    QTest::newRow("underscore is not a letter") << QStringLiteral("_ord_") << 1 << 3 << true;
    QTest::newRow("apostrophe") << QStringLiteral("ord's") << 0 << 3 << true;
    QTest::newRow("no-break space") << QStringLiteral("a\u00A0ord") << 2 << 3 << true;
    QTest::newRow("combining mark continues the word") << QStringLiteral("ord\u0301") << 0 << 3 << false;
    QTest::newRow("letter beyond the first plane after")
        << QStringLiteral("ord\U00010428") << 0 << 3 << false;
    QTest::newRow("letter beyond the first plane before")
        << QStringLiteral("\U00010428ord") << 2 << 3 << false;
}

void TextFinderTest::wholeWordRule()
{
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(bool, whole);
    QCOMPARE(TextFinder::isWholeWord(text, start, length), whole);
}

void TextFinderTest::findAllForwardNeverOverlaps()
{
    const TextFinder finder(QStringLiteral("aa"), kNone);
    const QString text = QStringLiteral("aaaa");
    QList<qsizetype> hits;
    for (qsizetype p = finder.findForward(text); p >= 0;
         p = finder.findForward(text, p + finder.needleLength()))
        hits.append(p);
    QCOMPARE(hits, (QList<qsizetype> { 0, 2 }));
}

void TextFinderTest::backwardWalkEndsAtEachStart()
{
    // Each backward step ends where the one before it was found, walking towards the start.
    const TextFinder finder(QStringLiteral("aa"), kNone);
    const QString text = QStringLiteral("aaaa");
    QList<qsizetype> hits;
    for (qsizetype p = finder.findBackward(text); p >= 0; p = finder.findBackward(text, 0, p))
        hits.append(p);
    QCOMPARE(hits, (QList<qsizetype> { 2, 0 }));
}

void TextFinderTest::agreesWithPlainComparisonOnMixedText()
{
    // Short alphabets make many near misses, overlaps and word edges; the scans' blocks of eight
    // characters meet every kind of edge in texts this long.
    const QString alphabet = QStringLiteral("aAæÆ -2b\u212A");
    QRandomGenerator random(20240611);
    auto randomText = [&](int length) {
        QString text;
        for (int i = 0; i < length; ++i)
            text.append(alphabet[random.bounded(int(alphabet.size()))]);
        return text;
    };
    for (int round = 0; round < 400; ++round) {
        const QString text = randomText(random.bounded(1, 120));
        const QString needle = randomText(random.bounded(1, 4));
        const auto options = TextFinder::Options(random.bounded(4));
        const TextFinder finder(needle, options);
        const qsizetype from = random.bounded(int(text.size()));
        const qsizetype to = random.bounded(int(from), int(text.size()) + 1);
        const QByteArray what = QStringLiteral("needle \"%1\" options %2 range %3-%4 in \"%5\"")
                                    .arg(needle)
                                    .arg(int(options))
                                    .arg(from)
                                    .arg(to)
                                    .arg(text)
                                    .toUtf8();
        QVERIFY2(finder.findForward(text, from, to) == plainFindForward(text, needle, options, from, to),
            what.constData());
        QVERIFY2(
            finder.findBackward(text, 0, to) == lastBeforeByForwardSteps(finder, text, to), what.constData());
    }
}

QTEST_GUILESS_MAIN(TextFinderTest)
#include "tst_TextFinder.moc"
