#include "platform/DesktopShell.h"

#include <QTemporaryDir>
#include <QtTest>

// The desktop shell's answers for requests it must refuse; accepted requests start real programs and are
// left to trying the program by hand.
class DesktopShellTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void refusesWhatCannotBeDone();
};

void DesktopShellTest::refusesWhatCannotBeDone()
{
    QTemporaryDir dir;
    QFile picture(dir.filePath(QStringLiteral("billede.png")));
    QVERIFY(picture.open(QIODevice::WriteOnly));
    picture.write("\x89PNG\r\n\x1a\n");
    picture.close();
    QFile script(dir.filePath(QStringLiteral("script.sh")));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.close();

    DesktopShell shell;
    QCOMPARE(shell.openFile(dir.filePath(QStringLiteral("mangler.txt"))), int(Shell::FileNotFound));
    QCOMPARE(shell.openFile(dir.filePath(QStringLiteral("ingen/mappe/fil.txt"))), int(Shell::PathNotFound));
    QCOMPARE(shell.editFile(dir.filePath(QStringLiteral("mangler.txt"))), int(Shell::FileNotFound));
    // A picture has no editor: as a file type without the "edit" verb.
    QCOMPARE(shell.editFile(picture.fileName()), int(Shell::NoAssociation));
    QCOMPARE(shell.runBatchFile(dir.filePath(QStringLiteral("mangler.bat"))), int(Shell::FileNotFound));
    QCOMPARE(shell.showFolder(dir.filePath(QStringLiteral("ingen"))), int(Shell::PathNotFound));
    QCOMPARE(shell.runScript(dir.filePath(QStringLiteral("mangler.sh")), QString(), QString()),
        int(Shell::FileNotFound));
    QCOMPARE(shell.runScript(script.fileName(), QString(), QString()), int(Shell::AccessDenied));
}

QTEST_GUILESS_MAIN(DesktopShellTest)
#include "tst_DesktopShell.moc"
