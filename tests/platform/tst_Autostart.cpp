#include "platform/Autostart.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class AutostartTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void folderFollowsConfigHome_data();
    void folderFollowsConfigHome();
    void missingFolderIsMade();
    void execArgumentIsQuotedAndEscaped_data();
    void execArgumentIsQuotedAndEscaped();
    void shortcutStartsTheExecutable();
};

void AutostartTest::cleanup()
{
    qunsetenv("XDG_CONFIG_HOME");
}

void AutostartTest::folderFollowsConfigHome_data()
{
    QTest::addColumn<QByteArray>("configHome");
    QTest::addColumn<QString>("folder");
    const QString fallback = QDir::homePath() + QStringLiteral("/.config/autostart");
    QTest::newRow("set") << QByteArray("/tmp/konfig") << "/tmp/konfig/autostart";
    QTest::newRow("trailing slash") << QByteArray("/tmp/konfig/") << "/tmp/konfig/autostart";
    QTest::newRow("unset") << QByteArray() << fallback;
    QTest::newRow("relative, which the standard tells to ignore") << QByteArray("konfig") << fallback;
}

void AutostartTest::folderFollowsConfigHome()
{
    QFETCH(QByteArray, configHome);
    QFETCH(QString, folder);
    if (!configHome.isNull())
        qputenv("XDG_CONFIG_HOME", configHome);
    QCOMPARE(Autostart::folder(), folder);
}

void AutostartTest::missingFolderIsMade()
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/ny")).toLocal8Bit());
    QVERIFY(Autostart::ensureFolder());
    QVERIFY(QFileInfo(home.path() + QStringLiteral("/ny/autostart")).isDir());

    QFile blocker(home.path() + QStringLiteral("/fil"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("XDG_CONFIG_HOME", blocker.fileName().toLocal8Bit());
    QVERIFY(!Autostart::ensureFolder());
}

void AutostartTest::execArgumentIsQuotedAndEscaped_data()
{
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QString>("exec");
    QTest::newRow("plain") << "/usr/bin/skrivora"
                           << "\"/usr/bin/skrivora\"";
    QTest::newRow("blank and Danish letters") << "/opt/Min Skrivør/skrivora"
                                              << "\"/opt/Min Skrivør/skrivora\"";
    QTest::newRow("quote, dollar, backquote") << "/a\"b$c`d"
                                              << "\"/a\\\\\"b\\\\$c\\\\`d\"";
    QTest::newRow("backslash") << "/a\\b"
                               << "\"/a\\\\\\\\b\"";
    QTest::newRow("percent is no field code") << "/100%/skrivora"
                                              << "\"/100%%/skrivora\"";
}

void AutostartTest::execArgumentIsQuotedAndEscaped()
{
    QFETCH(QString, executable);
    QFETCH(QString, exec);
    QCOMPARE(Autostart::execArgument(executable), exec);
}

void AutostartTest::shortcutStartsTheExecutable()
{
    const QByteArray entry = Autostart::shortcutFor(QStringLiteral("/opt/Min Skrivør/skrivora"));
    QVERIFY(entry.startsWith("[Desktop Entry]\n"));
    QVERIFY(entry.contains("\nType=Application\n"));
    QVERIFY(entry.contains("\nName=Skrivora\n"));
    QVERIFY(entry.contains(QStringLiteral("\nExec=\"/opt/Min Skrivør/skrivora\"\n").toUtf8()));
    QVERIFY(!entry.contains('\r'));
}

QTEST_GUILESS_MAIN(AutostartTest)
#include "tst_Autostart.moc"
