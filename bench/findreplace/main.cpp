// Find and replace on the "Søg" page in big documents: "Find alle forekomster" forward and backward and
// replace-all in a 50 MB plain text with 100,000 occurrences, and replace-all in a 5 MB RTF document,
// each beside the bare Qt way of doing the same (QTextDocument::find, and its cursor replacing each
// hit, in one edit block) over the same document in the same run. The editors are shown, with the
// spelling marks and the position tracker of the plain window; each time runs from the command to the
// window idle again, and the paints of the editor's viewport in between are counted. Medians are printed.

#include "ProcessMeasures.h"
#include "RtfCorpusGenerator.h"

#include "app/RadioGroup.h"
#include "app/SearchPageControls.h"
#include "documents/PlainEditor.h"
#include "documents/RichEditor.h"
#include "documents/find/FindReplace.h"
#include "documents/position/PositionTracker.h"
#include "documents/rtf/RtfReader.h"
#include "documents/spelling/HunspellDictionary.h"
#include "documents/spelling/SpellingService.h"
#include "documents/spelling/TextMarker.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <cstdio>
#include <functional>
#include <random>

using namespace ProcessMeasures;

namespace {

constexpr int kRuns = 3;
constexpr qsizetype kPlainCharacters = 50'000'000;
constexpr int kPlainOccurrences = 100'000;
constexpr int kRtfParagraphs = 20'000; // about 5 MB of RTF

// Danish filler with the search word in its three cases every 500 characters; lines of 40 to 120
// characters.
QString plainText()
{
    static const char *const words[] = { "og", "i", "at", "det", "en", "den", "til", "er", "som", "på", "de",
        "med", "han", "af", "for", "ikke", "der", "var", "mig", "sig", "men", "et", "har", "om", "vi",
        "rødgrød", "fløde", "ærø", "færge", "blåbær", "øresund", "æblekage", "skærgård", "kørestol" };
    static const char *const needles[] = { "kørekort", "Kørekort", "KØREKORT" };
    std::mt19937 random(2026);
    QString text;
    text.reserve(kPlainCharacters + 200);
    const qsizetype spacing = kPlainCharacters / kPlainOccurrences;
    int lineLength = 0;
    for (int occurrence = 0; occurrence < kPlainOccurrences; ++occurrence) {
        const qsizetype end = (occurrence + 1) * spacing;
        text += QString::fromUtf8(needles[occurrence % 3]);
        text += u' ';
        while (text.size() < end - 12) {
            text += QString::fromUtf8(words[random() % std::size(words)]);
            lineLength += 6;
            if (lineLength > 40 + int(random() % 80)) {
                text += u'\n';
                lineLength = 0;
            } else {
                text += u' ';
            }
        }
        text += u' ';
    }
    return text;
}

// The controls of the "Søg" page, as the frame holds them.
struct SearchPage {
    QLineEdit ordEdit;
    QLineEdit erstatEdit;
    RadioGroup retGroup { QStringLiteral("Søgeretning"),
        { QStringLiteral("Tilbage"), QStringLiteral("Fremad") } };
    QCheckBox SsCheck;
    QCheckBox HeleOrdCheck;
    QCheckBox erstatAlleCheck;
    QLabel antalFundLabel;
    SearchPageControls controls { &ordEdit, &erstatEdit, &retGroup, &SsCheck, &HeleOrdCheck, &erstatAlleCheck,
        &antalFundLabel };

    void set(const QString &search, const QString &replacement, bool backward)
    {
        ordEdit.setText(search);
        erstatEdit.setText(replacement);
        retGroup.setItemIndex(backward ? 0 : 1);
        erstatAlleCheck.setChecked(true);
    }
};

class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget *viewport) { viewport->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

void untilIdle(PositionTracker *tracker)
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    while (tracker && tracker->isMeasuring())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents();
}

struct Measure {
    QList<double> returned; // wall-clock milliseconds until the command returned
    QList<double> milliseconds; // ... until the window was idle again
    QList<double> processor; // processor milliseconds until idle, which the load of others does not grow
    QList<double> paints;
    int count = 0;
};

// Times `work` from its start to the window idle again; `prepare` and `restore` run untimed around it.
Measure measure(PaintCounter &counter, PositionTracker *tracker, const std::function<void()> &prepare,
    const std::function<int()> &work, const std::function<void()> &restore)
{
    Measure result;
    for (int run = 0; run < kRuns; ++run) {
        prepare();
        untilIdle(tracker);
        counter.paints = 0;
        const double processorAtStart = processorMilliseconds();
        QElapsedTimer clock;
        clock.start();
        result.count = work();
        result.returned.append(clock.nsecsElapsed() / 1e6);
        untilIdle(tracker);
        result.milliseconds.append(clock.nsecsElapsed() / 1e6);
        result.processor.append(processorMilliseconds() - processorAtStart);
        result.paints.append(counter.paints);
        restore();
        untilIdle(tracker);
    }
    return result;
}

void report(const char *what, const Measure &ours, const Measure &bare)
{
    const double mine = median(ours.milliseconds);
    const double qt = median(bare.milliseconds);
    std::printf("%-22s %7d %8.0f %8.0f %6.0f %6.0f | %7d %8.0f %8.0f %6.0f | %5.2f %5.2f\n", what, ours.count,
        median(ours.returned), mine, median(ours.processor), median(ours.paints), bare.count,
        median(bare.returned), qt, median(bare.processor), qt > 0 ? mine / qt : 0.0,
        median(bare.processor) > 0 ? median(ours.processor) / median(bare.processor) : 0.0);
    std::fflush(stdout);
}

void caretAt(EditorControl &editor, int position)
{
    editor.setSelection(position, 0);
}

int endOf(EditorControl &editor)
{
    return editor.document()->characterCount() - 1;
}

// The bare Qt way: QTextDocument::find from hit to hit.
int qtFindAll(QTextDocument *document, const QString &needle, QTextDocument::FindFlags flags, int from)
{
    int count = 0;
    QTextCursor cursor(document);
    cursor.setPosition(from);
    for (;;) {
        cursor = document->find(needle, cursor, flags);
        if (cursor.isNull())
            return count;
        ++count;
    }
}

int qtReplaceAll(QTextDocument *document, const QString &needle, const QString &replacement)
{
    int count = 0;
    QTextCursor edit(document);
    edit.beginEditBlock();
    QTextCursor cursor(document);
    for (;;) {
        cursor = document->find(needle, cursor);
        if (cursor.isNull())
            break;
        cursor.insertText(replacement);
        ++count;
    }
    edit.endEditBlock();
    return count;
}

void plainBench(SpellingService &spelling)
{
    PlainEditor editor;
    editor.resize(1000, 700);
    editor.show();
    new TextMarker(editor, &spelling);
    auto *tracker = new PositionTracker(editor);
    QLabel position;
    auto refresh = [&] {
        const PositionTracker::Position at = tracker->position();
        position.setText(QString::number(at.line + 1) + u',' + QString::number(at.column));
    };
    PaintCounter counter(editor.viewport());
    SearchPage page;

    QElapsedTimer clock;
    clock.start();
    editor.setPlainText(plainText());
    untilIdle(tracker);
    std::printf("plain: %.1f million characters, %d lines, set up in %.0f ms\n",
        (editor.document()->characterCount() - 1) / 1e6, editor.document()->blockCount(),
        clock.nsecsElapsed() / 1e6);
    const QString needle = QStringLiteral("kørekort");
    const QString replacement = QStringLiteral("førerbevis");
    QTextDocument *document = editor.document();
    auto nothing = [] {};

    page.set(needle, replacement, false);
    const Measure forward = measure(
        counter, tracker, [&] { caretAt(editor, 0); },
        [&] { return FindReplace(editor, page.controls, refresh).FindOrd(); }, nothing);
    const Measure qtForward = measure(
        counter, tracker, nothing, [&] { return qtFindAll(document, needle, {}, 0); }, nothing);
    report("find all forward", forward, qtForward);

    page.set(needle, replacement, true);
    const Measure backward = measure(
        counter, tracker, [&] { caretAt(editor, endOf(editor)); },
        [&] { return FindReplace(editor, page.controls, refresh).FindOrd(); }, nothing);
    const Measure qtBackward = measure(
        counter, tracker, nothing,
        [&] { return qtFindAll(document, needle, QTextDocument::FindBackward, endOf(editor)); }, nothing);
    report("find all backward", backward, qtBackward);

    page.set(needle, replacement, false);
    auto undo = [&] { editor.undo(); };
    const Measure replace = measure(
        counter, tracker, [&] { caretAt(editor, 0); },
        [&] { return FindReplace(editor, page.controls, refresh).ErstatTekst(); }, undo);
    const Measure qtReplace = measure(
        counter, tracker, nothing, [&] { return qtReplaceAll(document, needle, replacement); }, undo);
    report("replace all forward", replace, qtReplace);

    FindReplace(editor, page.controls, refresh).ErstatTekst();
    untilIdle(tracker);
    clock.restart();
    editor.undo();
    untilIdle(tracker);
    std::printf("%-22s %7s %8s %8.0f\n", "  one undo of it", "", "", clock.nsecsElapsed() / 1e6);
}

void richBench()
{
    RichEditor editor;
    editor.resize(1000, 700);
    editor.show();
    PaintCounter counter(editor.viewport());
    SearchPage page;
    auto refresh = [] {};

    const QByteArray rtf = RtfCorpusGenerator::generate(kRtfParagraphs, 2024);
    RtfReader::read(rtf, *editor.document());
    untilIdle(nullptr);
    std::printf("rich: %.1f MB of RTF, %d paragraphs, %.1f million characters\n", rtf.size() / 1e6,
        editor.document()->blockCount(), (editor.document()->characterCount() - 1) / 1e6);
    const QString needle = QStringLiteral("rødgrød");
    const QString replacement = QStringLiteral("jordbærgrød");
    QTextDocument *document = editor.document();
    auto nothing = [] {};
    auto undo = [&] { editor.undo(); };

    page.set(needle, replacement, false);
    const Measure replace = measure(
        counter, nullptr, [&] { caretAt(editor, 0); },
        [&] { return FindReplace(editor, page.controls, refresh).ErstatTekst(); }, undo);
    const Measure qtReplace = measure(
        counter, nullptr, nothing, [&] { return qtReplaceAll(document, needle, replacement); }, undo);
    report("replace all forward", replace, qtReplace);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    SpellingService spelling(HunspellDictionary::systemFolders(), QString());
    spelling.isAvailable();
    std::printf(
        "findreplace: medians of %d runs; ms: wall clock until the command returned and until the\n"
        "window was idle again, cpu: processor ms until idle; ratios of ours to bare Qt (idle, cpu)\n",
        kRuns);
    std::printf("%-22s %7s %8s %8s %6s %6s | %7s %8s %8s %6s | %5s %5s\n", "", "found", "return", "idle",
        "cpu", "paints", "Qt", "return", "idle", "cpu", "wall", "cpu");
    plainBench(spelling);
    richBench();
    return 0;
}
