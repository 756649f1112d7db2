#include "DamagedFiles.h"

#include "ProgramRun.h"
#include "app/SettingsFile.h"
#include "documents/DocumentArea.h"
#include "documents/DocumentWindow.h"
#include "documents/TFunktioner.h"
#include "documents/Ttypeform.h"
#include "frame/Tmainform.h"
#include "lists/TReopenFilerX.h"
#include "lists/Tfavoritform.h"
#include "lists/Tfilform.h"
#include "lists/Tmappefilform.h"
#include "lists/Topenform.h"
#include "options/Tboksform.h"
#include "options/Toptform.h"
#include "search/Tfilmappeform.h"
#include "search/Tfindformen.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QSet>

#include <cstdio>

namespace {

using Files = QMap<QString, QByteArray>; // by path below the settings folder

Files filesBelow(const QString &folder)
{
    Files files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            files.insert(path.mid(folder.size() + 1), file.readAll());
    }
    return files;
}

void putFiles(const QString &folder, const Files &files)
{
    QDir(folder).removeRecursively();
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        const QString path = folder + u'/' + it.key();
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(it.value()) != it.value().size())
            qFatal("cannot write %s", qPrintable(path));
    }
}

// A settings or list file as the program writes it: every line ended by CR LF, text that reads back to
// the same bytes, no NUL.
bool wellFormed(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return true;
    if (!bytes.endsWith("\r\n"))
        return false;
    const SettingsFile::Content content = SettingsFile::parse(bytes);
    for (const QString &line : content.lines) {
        if (line.contains(QChar(0)))
            return false;
    }
    return SettingsFile::format(content.lines, content.encoding).bytes == bytes;
}

// Whether a list written back at the start lost more than the one entry a damaged byte can spoil, or,
// cut short, more than those beyond the cut.
bool lostEntries(const QByteArray &undamaged, const QByteArray &written, qsizetype damagedSize)
{
    const QStringList before = SettingsFile::parse(undamaged).lines;
    const QStringList after = SettingsFile::parse(written).lines;
    if (damagedSize < undamaged.size()) {
        const QStringList whole = SettingsFile::parse(undamaged.left(damagedSize)).lines;
        return after.size() + 4 < (whole.size() & ~qsizetype(1));
    }
    return after.size() + 2 < before.size();
}

struct Damage {
    QString name;
    QByteArray bytes;
};

QList<Damage> damagesOf(const QByteArray &bytes, int stride)
{
    QList<Damage> damages;
    for (qsizetype at = 0; at < bytes.size(); at += stride) {
        damages.append({ QStringLiteral("cut at %1").arg(at), bytes.left(at) });
        QByteArray flipped = bytes;
        flipped[at] = char(~flipped[at]);
        damages.append({ QStringLiteral("byte %1 flipped").arg(at), flipped });
        QByteArray nul = bytes;
        nul[at] = '\0';
        damages.append({ QStringLiteral("NUL at %1").arg(at), nul });
    }
    QList<QByteArray> lines = bytes.split('\n');
    for (qsizetype line = 0; line < lines.size(); ++line) {
        QList<QByteArray> huge = lines;
        huge[line] = QByteArray(2 * 1024 * 1024, '9') + (lines[line].endsWith('\r') ? "\r" : "");
        damages.append({ QStringLiteral("line %1 huge").arg(line + 1), huge.join('\n') });
    }
    return damages;
}

// The first run: documents opened, one kept in the favourites, one closed into the closed list, which
// is saved; "Dokumenter" on, so the open one is remembered.
Files firstRun(const QString &root)
{
    QDir(root).removeRecursively();
    // Danish names, as our users' are, so a damaged byte can also spoil how a file name reads.
    const QString folder = root + QStringLiteral("/filer/Æbleø");
    QDir().mkpath(folder);
    const QStringList documents = { folder + QStringLiteral("/Kære Åse.txt"),
        folder + QStringLiteral("/noter.txt"), folder + QStringLiteral("/Søren.txt") };
    for (const QString &name : documents) {
        QFile file(name);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write a document");
        file.write("Kære Åse\r\nMange hilsner\r\n");
    }
    ProgramRun run(root);
    run.start(documents);
    run.context.optform->dokumentCheck->setChecked(true);
    run.context.optform->CheckVedLuk->setChecked(true); // the favourites are saved without asking
    for (const QString &name : documents)
        run.context.favourites->addFile(name, QFileInfo(name).completeBaseName());
    run.frame().documents()->activeDocument()->parentWidget()->close();
    run.context.filform->aGemFilliste->trigger();
    // Every tool box opened and closed once, so each has written its settings file.
    for (QWidget *box : std::initializer_list<QWidget *> { run.context.mappefilform, run.context.favoritform,
             run.context.filform, run.context.findformen, run.context.boksform, run.context.filmappeform,
             run.context.typeform }) {
        box->show();
        QCoreApplication::processEvents();
        box->close();
    }
    run.context.typeform->GemExtListe();
    run.context.openform->showModal(run.platform.modal); // cancelled; it writes its settings

    if (!run.close())
        qFatal("the first run did not close");
    return filesBelow(run.settingsFolder());
}

} // namespace

int damagedFiles(const QString &work, int stride)
{
    const QString firstRoot = work + QStringLiteral("/foerste-koersel");
    const Files first = firstRun(firstRoot);
    const QString root = work + QStringLiteral("/tilfaelde");
    const QString settings = ProgramRun(root).settingsFolder();

    // Which files an undamaged start writes (its file lists are written back as they are loaded), and
    // so may write when damaged too; the list of open documents follows the documents that opened.
    putFiles(settings, first);
    const QDateTime longAgo(QDate(2001, 1, 1), QTime(12, 0));
    for (auto it = first.cbegin(); it != first.cend(); ++it) {
        QFile file(settings + u'/' + it.key());
        file.open(QIODevice::ReadWrite);
        file.setFileTime(longAgo, QFileDevice::FileModificationTime);
    }
    QSet<QString> writtenAtStart = { QStringLiteral("Dokumentfil.txt") };
    {
        ProgramRun run(root);
        run.start();
        for (auto it = first.cbegin(); it != first.cend(); ++it) {
            if (QFileInfo(settings + u'/' + it.key()).lastModified() != longAgo)
                writtenAtStart.insert(it.key());
        }
        run.close();
    }

    int cases = 0;
    int reported = 0;
    QStringList failures;
    QElapsedTimer clock;
    clock.start();
    std::printf("first run's files: %lld, written by every start: %s\n", qlonglong(first.size()),
        qPrintable(QStringList(writtenAtStart.cbegin(), writtenAtStart.cend()).join(QStringLiteral(", "))));
    for (auto file = first.cbegin(); file != first.cend(); ++file) {
        const QList<Damage> damages = damagesOf(file.value(), stride);
        std::printf("  %s: %lld bytes, %lld cases\n", qPrintable(file.key()), qlonglong(file.value().size()),
            qlonglong(damages.size()));
        std::fflush(stdout);
        for (const Damage &damage : damages) {
            Files damaged = first;
            damaged[file.key()] = damage.bytes;
            putFiles(settings, damaged);
            const QString where = file.key() + QStringLiteral(", ") + damage.name + QStringLiteral(": ");
            ++cases;

            ProgramRun run(root);
            run.start();
            if (!run.frame().isVisible())
                failures << where + QStringLiteral("the frame was not shown");
            const Files started = filesBelow(settings);
            for (auto it = started.cbegin(); it != started.cend(); ++it) {
                const bool changed = damaged.value(it.key()) != it.value();
                if (changed && (!writtenAtStart.contains(it.key()) || !wellFormed(it.value())))
                    failures << where + it.key() + QStringLiteral(" was written at the start");
                else if (changed && lostEntries(first.value(it.key()), it.value(), damage.bytes.size()))
                    failures << where + it.key() + QStringLiteral(" lost entries the damage did not touch");
            }
            if (!run.close()) {
                failures << where + QStringLiteral("the program did not close");
                continue;
            }
            const Files closed = filesBelow(settings);
            for (auto it = closed.cbegin(); it != closed.cend(); ++it) {
                if (started.value(it.key()) != it.value() && !wellFormed(it.value()))
                    failures << where + it.key() + QStringLiteral(" was written malformed at the close");
            }
            if (!run.messages().isEmpty())
                ++reported;
        }
    }
    std::printf("cases tried: %d, told to the user: %d, failures: %lld, %.1f s\n", cases, reported,
        qlonglong(failures.size()), clock.elapsed() / 1000.0);
    for (const QString &failure : std::as_const(failures).mid(0, 50))
        std::printf("FAIL %s\n", qPrintable(failure));
    return failures.isEmpty() ? 0 : 1;
}
