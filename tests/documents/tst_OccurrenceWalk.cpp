#include "documents/find/OccurrenceWalk.h"
#include "documents/find/TextFinder.h"

#include <QRandomGenerator>
#include <QtTest>

using OccurrenceWalk::Direction;

namespace {

// The find and replace runs followed step by step over a string that changes as they go, the way the
// editor would follow them one search at a time: every step searches the text as it now stands, and a
// backward step looks for the last occurrence before the bound by searching forward from the start again
// and again. A backward replace ends its next search at the start of the text it inserted.
struct StepByStep {
    QString text;
    qsizetype selectionStart = 0;
    qsizetype selectionEnd = 0;
    QList<qsizetype> steps; // where each step found or replaced, in the text as it then stood

    qsizetype lastBefore(const TextFinder &finder, qsizetype bound) const
    {
        qsizetype position = 0;
        qsizetype last = -1;
        while (position < bound) {
            const qsizetype found = finder.findForward(text, position, bound);
            if (found < 0)
                break;
            last = found;
            position = found + 1;
        }
        return last;
    }

    void find(const TextFinder &finder, Direction direction, bool all)
    {
        const qsizetype length = finder.needleLength();
        for (;;) {
            const qsizetype found = direction == Direction::Forward ? finder.findForward(text, selectionEnd)
                                                                    : lastBefore(finder, selectionStart);
            if (found < 0)
                return;
            steps.append(found);
            selectionStart = found;
            selectionEnd = found + length;
            if (!all)
                return;
        }
    }

    void replace(const TextFinder &finder, const QString &replacement, Direction direction, bool all)
    {
        qsizetype bound = selectionStart;
        for (;;) {
            const qsizetype found = direction == Direction::Forward ? finder.findForward(text, selectionEnd)
                                                                    : lastBefore(finder, bound);
            if (found < 0)
                return;
            steps.append(found);
            text.replace(found, finder.needleLength(), replacement);
            selectionStart = selectionEnd = found + replacement.size();
            bound = found;
            if (!all)
                return;
        }
    }
};

// The walk's positions in the text as it stood at each step: forward, every earlier replacement has
// moved what follows it; backward, nothing before an occurrence has moved.
QList<qsizetype> asSteps(const QList<qsizetype> &replaced, qsizetype growth, Direction direction)
{
    QList<qsizetype> steps;
    for (qsizetype i = 0; i < replaced.size(); ++i)
        steps.append(direction == Direction::Forward ? replaced[i] + i * growth : replaced[i]);
    return steps;
}

QString applied(QString text, const QList<qsizetype> &steps, qsizetype length, const QString &replacement)
{
    for (const qsizetype at : steps)
        text.replace(at, length, replacement);
    return text;
}

const int kBackward = 0;
const int kForward = 1;

} // namespace

class OccurrenceWalkTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void find_data();
    void find();
    void replace_data();
    void replace();
    void agreesWithTheStepByStepRuns();
    void backwardReplaceAllOfATextContainingTheSearchTextEnds();
};

void OccurrenceWalkTest::find_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<int>("selectionStart");
    QTest::addColumn<int>("selectionEnd");
    QTest::addColumn<int>("direction");
    QTest::addColumn<bool>("all");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("last");

    QTest::newRow("forward once: after the selection") << "ord ord ord"
                                                       << "ord" << 0 << 3 << kForward << false << 1 << 4;
    QTest::newRow("forward all: the last stays") << "ord ord ord"
                                                 << "ord" << 0 << 0 << kForward << true << 3 << 8;
    QTest::newRow("forward all never overlaps") << "aaaa"
                                                << "aa" << 0 << 0 << kForward << true << 2 << 2;
    QTest::newRow("backward all from the end of aaaa") << "aaaa"
                                                       << "aa" << 4 << 4 << kBackward << true << 2 << 0;
    QTest::newRow("backward from the end of aaa: the rightmost")
        << "aaa"
        << "aa" << 3 << 3 << kBackward << true << 1 << 1;
    QTest::newRow("backward ends at the start of the selection")
        << "ord ord ord"
        << "ord" << 4 << 7 << kBackward << false << 1 << 0;
    QTest::newRow("backward at the start finds nothing") << "ord"
                                                         << "ord" << 0 << 3 << kBackward << true << 0 << -1;
    QTest::newRow("forward at the end finds nothing") << "ord"
                                                      << "ord" << 3 << 3 << kForward << true << 0 << -1;
    QTest::newRow("empty needle") << "ord"
                                  << "" << 0 << 0 << kForward << true << 0 << -1;
}

void OccurrenceWalkTest::find()
{
    QFETCH(QString, text);
    QFETCH(QString, needle);
    QFETCH(int, selectionStart);
    QFETCH(int, selectionEnd);
    QFETCH(int, direction);
    QFETCH(bool, all);
    QFETCH(int, count);
    QFETCH(int, last);
    const OccurrenceWalk::Found found = OccurrenceWalk::find(text, TextFinder(needle, TextFinder::NoOption),
        selectionStart, selectionEnd, Direction(direction), all);
    QCOMPARE(found.count, count);
    QCOMPARE(found.last, qsizetype(last));
}

void OccurrenceWalkTest::replace_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<int>("options");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<int>("selectionStart");
    QTest::addColumn<int>("direction");
    QTest::addColumn<QString>("expected");

    const int word = TextFinder::WholeWord;
    QTest::newRow("forward a to aa: inserted text is not searched")
        << "a a a"
        << "a" << 0 << "aa" << 0 << kForward << "aa aa aa";
    QTest::newRow("backward a to aa ends") << "a a a"
                                           << "a" << 0 << "aa" << 5 << kBackward << "aa aa aa";
    QTest::newRow("backward a to aa in aaa") << "aaa"
                                             << "a" << 0 << "aa" << 3 << kBackward << "aaaaaa";
    QTest::newRow("backward: a new occurrence across the inserted text is left")
        << "aab"
        << "ab" << 0 << "b" << 3 << kBackward << "ab";
    QTest::newRow("an empty replacement deletes after the caret")
        << "a-a-a-a"
        << "a" << 0 << "" << 1 << kForward << "a---";
    // Deleting the first "-a" leaves the second at the start of the text, a word of its own now.
    QTest::newRow("whole word sees the text as it now stands") << "-a-a"
                                                               << "-a" << word << "" << 0 << kForward << "";
    QTest::newRow("whole word next to an inserted letter") << "--"
                                                           << "-" << word << "x" << 0 << kForward << "x-";
    QTest::newRow("whole word backward next to an inserted letter")
        << "--"
        << "-" << word << "x" << 2 << kBackward << "-x";
}

void OccurrenceWalkTest::replace()
{
    QFETCH(QString, text);
    QFETCH(QString, needle);
    QFETCH(int, options);
    QFETCH(QString, replacement);
    QFETCH(int, selectionStart);
    QFETCH(int, direction);
    QFETCH(QString, expected);
    const TextFinder finder(needle, TextFinder::Options(options));
    const QList<qsizetype> replaced = OccurrenceWalk::replace(
        text, finder, replacement, selectionStart, selectionStart, Direction(direction), true);
    const QList<qsizetype> steps
        = asSteps(replaced, replacement.size() - needle.size(), Direction(direction));
    QCOMPARE(applied(text, steps, needle.size(), replacement), expected);
}

// Random texts of few letters, word boundaries, Danish letters in both cases and paragraph breaks, so
// that occurrences overlap, touch and stand next to what was just inserted.
void OccurrenceWalkTest::agreesWithTheStepByStepRuns()
{
    const QString alphabet = QStringLiteral("aAb-æÆ1 ") + QChar(0x2029);
    QRandomGenerator random(12);
    auto randomText = [&](int minimum, int maximum) {
        QString text;
        const int length = int(random.bounded(minimum, maximum + 1));
        for (int i = 0; i < length; ++i)
            text.append(alphabet[random.bounded(int(alphabet.size()))]);
        return text;
    };
    for (int round = 0; round < 4000; ++round) {
        const QString text = randomText(0, 24);
        const QString needle = randomText(1, 3);
        const QString replacement = randomText(0, 4);
        const TextFinder finder(needle, TextFinder::Options(int(random.bounded(4))));
        const auto direction = Direction(random.bounded(2));
        const bool all = random.bounded(4) != 0;
        qsizetype selectionStart = random.bounded(int(text.size()) + 1);
        qsizetype selectionEnd = random.bounded(int(text.size()) + 1);
        if (selectionStart > selectionEnd)
            std::swap(selectionStart, selectionEnd);
        const QString context = QStringLiteral("%1 in \"%2\" by \"%3\" from %4-%5, options %6, %7%8")
                                    .arg(needle, text, replacement)
                                    .arg(selectionStart)
                                    .arg(selectionEnd)
                                    .arg(int(finder.options()))
                                    .arg(direction == Direction::Forward ? "forward" : "backward")
                                    .arg(all ? ", all" : "");

        StepByStep finding { text, selectionStart, selectionEnd, {} };
        finding.find(finder, direction, all);
        const OccurrenceWalk::Found found
            = OccurrenceWalk::find(text, finder, selectionStart, selectionEnd, direction, all);
        QVERIFY2(found.count == finding.steps.size(), qPrintable(QStringLiteral("find ") + context));
        QVERIFY2(found.last == (finding.steps.isEmpty() ? -1 : finding.steps.last()),
            qPrintable(QStringLiteral("find ") + context));

        StepByStep replacing { text, selectionStart, selectionEnd, {} };
        replacing.replace(finder, replacement, direction, all);
        const QList<qsizetype> replaced = OccurrenceWalk::replace(
            text, finder, replacement, selectionStart, selectionEnd, direction, all);
        QVERIFY2(asSteps(replaced, replacement.size() - needle.size(), direction) == replacing.steps,
            qPrintable(QStringLiteral("replace ") + context));
    }
}

// Regression: followed as written, a backward replace of every "a" by "aa" searched up to the caret after
// the inserted text, found the inserted "a" and never ended.
void OccurrenceWalkTest::backwardReplaceAllOfATextContainingTheSearchTextEnds()
{
    const QString text = QStringLiteral("a").repeated(10000);
    const QList<qsizetype> replaced = OccurrenceWalk::replace(text, TextFinder(QStringLiteral("a"), {}),
        QStringLiteral("aa"), 10000, 10000, Direction::Backward, true);
    QCOMPARE(replaced.size(), 10000);
    QCOMPARE(replaced.first(), 9999);
    QCOMPARE(replaced.last(), 0);
}

QTEST_GUILESS_MAIN(OccurrenceWalkTest)
#include "tst_OccurrenceWalk.moc"
