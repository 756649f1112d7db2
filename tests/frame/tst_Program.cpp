#include "frame/CommandLine.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

// The program as a process: its arguments and its orderly end on a termination signal.
class ProgramTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void parsesArguments_data();
    void parsesArguments();
    void answersHelpAndVersionWithoutDisplay_data();
    void answersHelpAndVersionWithoutDisplay();
    void terminationSignalClosesInOrder_data();
    void terminationSignalClosesInOrder();
};

void ProgramTest::parsesArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("action");
    QTest::addColumn<QStringList>("files");

    const int run = int(CommandLine::Action::Run);
    QTest::newRow("files") << QStringList { "skrivora", "a.txt", "\"b c.txt\"" } << run
                           << QStringList { "a.txt", "\"b c.txt\"" };
    QTest::newRow("help") << QStringList { "skrivora", "a.txt", "--help" }
                          << int(CommandLine::Action::ShowHelp) << QStringList { "a.txt" };
    QTest::newRow("version") << QStringList { "skrivora", "-v" } << int(CommandLine::Action::ShowVersion)
                             << QStringList {};
    QTest::newRow("double dash ends options")
        << QStringList { "skrivora", "--", "--help", "-v" } << run << QStringList { "--help", "-v" };
    QTest::newRow("other dashes are names")
        << QStringList { "skrivora", "-x", "" } << run << QStringList { "-x", "" };
}

void ProgramTest::parsesArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, action);
    QFETCH(QStringList, files);
    const CommandLine line = CommandLine::parse(arguments);
    QCOMPARE(int(line.action), action);
    if (line.action == CommandLine::Action::Run)
        QCOMPARE(line.files, files);
}

void ProgramTest::answersHelpAndVersionWithoutDisplay_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("expected");
    QTest::newRow("--help") << QStringLiteral("--help") << CommandLine::helpText();
    QTest::newRow("--version") << QStringLiteral("--version") << CommandLine::versionText();
}

void ProgramTest::answersHelpAndVersionWithoutDisplay()
{
    QFETCH(QString, option);
    QFETCH(QString, expected);
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("DISPLAY"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(SKRIVORA_BINARY), { option });
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(program.readAllStandardOutput()), expected);
}

void ProgramTest::terminationSignalClosesInOrder_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
}

void ProgramTest::terminationSignalClosesInOrder()
{
    QFETCH(int, signalNumber);
    QTemporaryDir root;
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("SKRIVORA_ROOT"), root.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(SKRIVORA_BINARY), {});
    QVERIFY(program.waitForStarted());

    // The settings folder is made after the signal handler is in place.
    const QString settings = root.path() + QStringLiteral("/Brugere/");
    QTRY_VERIFY_WITH_TIMEOUT(QDir(settings).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size() == 1, 20000);
    ::kill(pid_t(program.processId()), signalNumber);
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);

    const QString user = QDir(settings).entryList(QDir::Dirs | QDir::NoDotAndDotDot).first();
    QFile mainTxt(settings + user + QStringLiteral("/Egenskaber/Main.txt"));
    QVERIFY(mainTxt.open(QIODevice::ReadOnly));
    QCOMPARE(mainTxt.readAll().count("\r\n"), 5);
    QVERIFY(QFileInfo::exists(settings + user + QStringLiteral("/Egenskaber/optUnit.txt")));
}

QTEST_GUILESS_MAIN(ProgramTest)
#include "tst_Program.moc"
