#include "RecoveryUnderFaults.h"

#include "ProgramRun.h"
#include "documents/DocumentArea.h"
#include "documents/DocumentWindow.h"
#include "documents/PlainEditor.h"
#include "documents/RichEditor.h"
#include "documents/TFunktioner.h"
#include "documents/Twinform1.h"
#include "documents/Twinform2.h"
#include "documents/model/Document.h"
#include "documents/recovery/RecoveryService.h"
#include "documents/recovery/RecoveryStore.h"
#include "frame/EndOfSession.h"
#include "frame/Tmainform.h"
#include "platform/TerminationSignals.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextCursor>
#include <QTextDocument>

#include <chrono>
#include <cstdio>

using namespace std::chrono_literals;

namespace {

const QString kExpected = QStringLiteral("forventet-%1.json");

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// What the document holds now, as its recovery copy takes it: everything a copy must give back.
QJsonObject describe(DocumentWindow &window)
{
    const RecoveryCopy copy = window.recoveryCopy();
    const bool rich = copy.kind == RecoveryCopy::Kind::RichText;
    return { { QStringLiteral("caption"), window.capNavn() }, { QStringLiteral("fileName"), copy.fileName },
        { QStringLiteral("rich"), rich }, { QStringLiteral("text"), window.document()->text().toPlainText() },
        { QStringLiteral("rtf"), QString::fromLatin1(copy.rtf.toBase64()) },
        { QStringLiteral("exactText"), copy.text }, { QStringLiteral("caret"), copy.caret },
        { QStringLiteral("encoding"), int(copy.encoding) },
        { QStringLiteral("lineEnding"), int(copy.lineEnding) },
        { QStringLiteral("exceptions"), int(copy.lineEndExceptions.size()) } };
}

void type(DocumentWindow &window, const QString &text)
{
    QTextCursor cursor(&window.document()->text());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
    // The caret stands where the user typed, not at the top where the document opened.
    if (auto *plain = qobject_cast<Twinform1 *>(&window))
        plain->Editor->setTextCursor(cursor);
    else if (auto *rich = qobject_cast<Twinform2 *>(&window))
        rich->Editor->setTextCursor(cursor);
}

} // namespace

int modifyThree(const QString &root, const QString &folder, bool endedFromOutside)
{
    QDir().mkpath(folder);
    const QString plain = folder + QStringLiteral("/Kære Åse.txt");
    const QString rich = folder + QStringLiteral("/Noter.rtf");
    writeFile(plain, "K\xE6re \xC5se\r\nTak for sidst.\r\n");
    writeFile(rich, "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0 Hilsen {\\b fra} S\\'f8ren\\par\n}");

    ProgramRun run(root);
    auto *termination = endedFromOutside ? new TerminationSignals(qApp) : nullptr;
    run.create();
    // Ended from outside, no copy is due before the signal comes, as when typing goes on until then.
    run.frame().recovery()->setTimes(endedFromOutside ? 1h : 50ms, endedFromOutside ? 1h : 1s);
    run.start({ plain, rich });
    run.frame().funk()->openwin(QString(), QStringLiteral(".txt"));
    if (termination) {
        EndOfSession::watch(run.frame(), *termination);
        // Connected after the frame's answer to the signal, so it runs once the copies are on disk.
        QObject::connect(termination, &TerminationSignals::terminationRequested, qApp, [] {
            std::puts("kopier skrevet");
            std::fflush(stdout);
        });
    }

    const QList<DocumentWindow *> windows = run.frame().documents()->windowsInOrder();
    if (!waitFor(
            [&windows] {
                for (const DocumentWindow *window : windows) {
                    if (window->isLoading())
                        return false;
                }
                return true;
            },
            60000))
        return 1;
    int n = 0;
    for (DocumentWindow *window : windows) {
        type(*window, QStringLiteral("\nSkrevet før nedbruddet: æøå ÆØÅ 100\u00A0kr."));
        writeFile(folder + u'/' + kExpected.arg(++n), QJsonDocument(describe(*window)).toJson());
    }
    std::printf("%lld documents modified\n", qlonglong(windows.size()));
    if (!endedFromOutside) {
        const QString copies = run.frame().recovery()->store().runFolder();
        const bool written = waitFor(
            [&] {
                return QDir(copies).entryList({ QStringLiteral("*.kopi") }, QDir::Files).size()
                    == windows.size();
            },
            60000);
        run.frame().recovery()->waitUntilWritten();
        if (!written)
            return 1;
    }
    std::puts("klar");
    std::fflush(stdout);
    return QApplication::exec();
}

int recoverThree(const QString &root, const QString &folder)
{
    QList<QJsonObject> expected;
    for (int n = 1;; ++n) {
        QFile file(folder + u'/' + kExpected.arg(n));
        if (!file.open(QIODevice::ReadOnly))
            break;
        expected << QJsonDocument::fromJson(file.readAll()).object();
    }
    ProgramRun run(root);
    run.platform.modal.answer(1); // Ja
    run.start();
    waitFor([&] { return run.frame().documents()->windowsInOrder().size() >= expected.size(); }, 60000);
    int recovered = 0;
    for (const QJsonObject &want : std::as_const(expected)) {
        DocumentWindow *found = nullptr;
        for (DocumentWindow *window : run.frame().documents()->windowsInOrder()) {
            if (window->capNavn() == want.value(QStringLiteral("caption")).toString())
                found = window;
        }
        QJsonObject got = found ? describe(*found) : QJsonObject();
        const bool same = found && got == want && found->document()->isModified();
        std::printf("%s %s\n", same ? "recovered" : "LOST     ",
            qPrintable(want.value(QStringLiteral("caption")).toString()));
        recovered += same ? 1 : 0;
    }
    std::printf("documents recovered: %d of %lld\n", recovered, qlonglong(expected.size()));
    for (const QString &message : run.messages())
        std::printf("     asked: %s\n",
            qPrintable(QString(message).replace(u'\r', u' ').replace(u'\n', QStringLiteral(" / "))));
    run.platform.modal.answer(2);
    run.platform.modal.answer(2);
    run.platform.modal.answer(2);
    run.close();
    return recovered == expected.size() && !expected.isEmpty() ? 0 : 1;
}

int secondInstance(const QString &root)
{
    ProgramRun run(root);
    const QString copies = run.settingsFolder() + u'/' + RecoveryStore::folderName();
    const auto copiesNow = [&copies] {
        QStringList found;
        QDirIterator it(copies, { QStringLiteral("*.kopi") }, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            found << it.next();
        return found;
    };
    const QStringList before = copiesNow();
    run.start();
    // The question would come right after the frame shows.
    waitFor([&run] { return !run.messages().isEmpty(); }, 2000);
    const bool asked = !run.messages().isEmpty();
    run.close();
    const QStringList after = copiesNow();
    std::printf("second start: %s, the running one's copies %s (%lld)\n", asked ? "ASKED" : "asked nothing",
        after == before ? "kept" : "TOUCHED", qlonglong(before.size()));
    return !asked && !before.isEmpty() && after == before ? 0 : 1;
}
