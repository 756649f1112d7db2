#include "SavingUnderFaults.h"

#include "ProgramRun.h"
#include "documents/DocumentArea.h"
#include "documents/PlainEditor.h"
#include "documents/Twinform1.h"
#include "documents/model/Document.h"
#include "frame/Tmainform.h"
#include "lists/TReopenFilerX.h"
#include "lists/Tfilform.h"

#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QTextBlock>
#include <QTextCursor>

#include <cstdio>

namespace {

Twinform1 *openDocument(ProgramRun &run)
{
    auto *window = qobject_cast<Twinform1 *>(run.frame().documents()->activeDocument());
    if (!window || !waitFor([window] { return !window->isLoading(); }, 600000))
        return nullptr;
    return window;
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QMap<QString, QByteArray> filesBelow(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!path.contains(QStringLiteral("/Gendannelse/")))
            files.insert(path, bytesOf(path));
    }
    return files;
}

// Writes into the folder until its file system is full; the filler stays until removed.
QString fill(const QString &folder)
{
    const QString path = folder + QStringLiteral("/fyld");
    QFile filler(path);
    if (!filler.open(QIODevice::WriteOnly))
        return path;
    const QByteArray block(64 * 1024, 'x');
    while (filler.write(block) == block.size() && filler.flush()) { }
    const QByteArray byte(1, 'x');
    while (filler.write(byte) == 1 && filler.flush()) { }
    return path;
}

bool told(const QStringList &messages, const QString &path)
{
    const QString name = QDir::toNativeSeparators(path);
    for (const QString &message : messages) {
        // The message names the file and gives the reason on the line after it.
        const qsizetype at = message.indexOf(name);
        if (at >= 0 && message.mid(at + name.size()).trimmed().size() > 10)
            return true;
    }
    return false;
}

} // namespace

int saveOnce(const QString &root, const QString &document, int number)
{
    ProgramRun run(root);
    run.start({ document });
    Twinform1 *window = openDocument(run);
    if (!window) {
        std::fputs("the document did not open\n", stderr);
        return 1;
    }
    QTextCursor line(window->Editor->document()->firstBlock());
    const int length = line.block().length() - 1;
    line.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    line.insertText(QStringLiteral("Gemning %1").arg(number).leftJustified(length, u' ', true));
    std::puts("gemmer");
    std::fflush(stdout);
    QElapsedTimer clock;
    clock.start();
    window->Gem();
    std::printf("gemt %lld\n", qlonglong(clock.elapsed()));
    std::fflush(stdout);
    if (window->document()->isModified())
        return 1;
    run.close();
    return 0;
}

int startAndClose(const QString &root, const QString &document)
{
    ProgramRun run(root);
    run.start(document.isEmpty() ? QStringList() : QStringList { document });
    if (!document.isEmpty() && !openDocument(run))
        return 1;
    return run.close() ? 0 : 1;
}

int writeFailures(const QString &root, const QString &document, const QString &fillFolder)
{
    ProgramRun run(root);
    run.start({ document });
    Twinform1 *window = openDocument(run);
    if (!window) {
        std::fputs("the document did not open\n", stderr);
        return 1;
    }
    const QByteArray documentBefore = bytesOf(document);
    const QMap<QString, QByteArray> settingsBefore = filesBelow(run.settingsFolder());
    const QString filler = fillFolder.isEmpty() ? QString() : fill(fillFolder);

    int failures = 0;
    const auto check = [&failures](bool held, const char *what) {
        std::printf("%s %s\n", held ? "ok  " : "FAIL", what);
        if (!held)
            ++failures;
    };

    window->Editor->moveCursor(QTextCursor::End);
    window->Editor->textCursor().insertText(QStringLiteral("\nEn linje mere"));
    window->Gem();
    check(told(run.messages(), document), "the document's failed save names it and says why");
    check(bytesOf(document) == documentBefore, "the document's file is as it was");
    check(window->document()->isModified(), "the document is still modified");
    check(window->Editor->toPlainText().endsWith(QStringLiteral("En linje mere")), "the typed text is there");

    const QString list = run.context.fields.OptMappe + QStringLiteral("/FavFiler1.txt");
    run.context.filform->FavFiler1->InsertItem(document, QStringLiteral("dokument"), 0);
    const qsizetype shownBefore = run.messages().size();
    run.context.filform->aGemFilliste->trigger();
    check(told(run.messages().mid(shownBefore), list), "the list file's failed save names it and says why");
    check(bytesOf(list) == settingsBefore.value(list), "the list file is as it was");

    run.platform.modal.answer(2); // Nej: the document is given up, so the close goes on to the settings
    const qsizetype beforeClose = run.messages().size();
    run.close();
    const QStringList closing = run.messages().mid(beforeClose);
    const QMap<QString, QByteArray> settingsAfter = filesBelow(run.settingsFolder());
    for (auto it = settingsBefore.cbegin(); it != settingsBefore.cend(); ++it)
        check(settingsAfter.value(it.key()) == it.value(),
            qPrintable(QFileInfo(it.key()).fileName() + QStringLiteral(" is as it was")));
    check(told(closing, run.context.fields.optFilnavn), "Main.txt's failed save names it and says why");
    for (const QString &message : closing)
        std::printf("     told: %s\n",
            qPrintable(QString(message).replace(u'\r', u' ').replace(u'\n', QStringLiteral(" / "))));
    if (!filler.isEmpty())
        QFile::remove(filler);
    std::printf("write failures: %d\n", failures);
    return failures == 0 ? 0 : 1;
}
