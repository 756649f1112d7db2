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
    void shortcutNamesTheProgramAsTheInstalledEntry();
};

namespace {

// The keys of a desktop entry's main group.
QMap<QString, QString> keysOf(const QByteArray &entry)
{
    QMap<QString, QString> keys;
    bool mainGroup = false;
    for (const QString &line : QString::fromUtf8(entry).split(u'\n')) {
        if (line.startsWith(u'['))
            mainGroup = line == QLatin1String("[Desktop Entry]");
        else if (mainGroup && line.contains(u'=') && !line.startsWith(u'#'))
            keys.insert(line.section(u'=', 0, 0).trimmed(), line.section(u'=', 1).trimmed());
    }
    return keys;
}

} // namespace

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

void AutostartTest::shortcutNamesTheProgramAsTheInstalledEntry()
{
    QFile installed(QStringLiteral(SKRIVORA_SOURCE_DIR "/resources/dk.skrivora.skrivora.desktop"));
    QVERIFY(installed.open(QIODevice::ReadOnly));
    const QMap<QString, QString> menu = keysOf(installed.readAll());
    const QMap<QString, QString> logOn = keysOf(Autostart::shortcutFor(QStringLiteral("/usr/bin/skrivora")));
    for (auto key = menu.begin(); key != menu.end(); ++key) {
        const bool naming = key.key().startsWith(QLatin1String("Name"))
            || key.key().startsWith(QLatin1String("GenericName"))
            || key.key().startsWith(QLatin1String("Comment")) || key.key() == QLatin1String("Icon");
        if (naming)
            QCOMPARE(logOn.value(key.key()), key.value());
    }
    QVERIFY(menu.contains(QStringLiteral("Comment")));
    // No other name of the program's own in the entry for log-on.
    for (auto key = logOn.begin(); key != logOn.end(); ++key) {
        if (key.key().contains(u'['))
            QCOMPARE(key.value(), menu.value(key.key()));
    }
}

QTEST_GUILESS_MAIN(AutostartTest)
#include "tst_Autostart.moc"
