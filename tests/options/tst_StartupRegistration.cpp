#include "options/StartupRegistration.h"
#include "options/Toptform.h"
#include "support/FileBytes.h"
#include "support/TestApp.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace {

const QString kAnnouncement
    = QStringLiteral("Det kan tage lidt tid.\nTryk OK-Knappen for at starte funktionen.\n"
                     "Der bringes en information, når funktionen er gennemført.");
const QString kAdded = QStringLiteral("Programmet er indført som StartUp-program.");
const QString kRemoved = QStringLiteral("Programmet blev fjernet som StartUp-program.");
const QString kFailed = QStringLiteral("Det lykkedes ikke at indføre programmet som startprogram.");

} // namespace

class StartupRegistrationTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void eachClickToggles();
    void announcementIsClosedBeforeAnythingHappens();
    void missingSettingsFolderFailsAtTenthTick();
    void missingExecutableStopsAtOnce();
    void missingAutostartFolderIsMade();
    void autostartFolderThatCannotBeMadeIsReported();

private:
    std::unique_ptr<QTemporaryDir> configHome_;
    QString autostartEntry() const
    {
        return configHome_->path() + QStringLiteral("/autostart/Skrivora.desktop");
    }
};

void StartupRegistrationTest::init()
{
    // Never the user's own autostart folder.
    configHome_ = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", configHome_->path().toLocal8Bit());
    QDir().mkpath(configHome_->path() + QStringLiteral("/autostart"));
}

void StartupRegistrationTest::cleanup()
{
    qunsetenv("XDG_CONFIG_HOME");
    configHome_.reset();
}

void StartupRegistrationTest::eachClickToggles()
{
    TestApp app;
    app.create();
    Toptform &options = *app.context.optform;
    app.modal().answer(1);
    options.SpeedButton1->click();
    QTRY_COMPARE(app.modal().texts(), QStringList({ kAnnouncement, kAdded }));
    QVERIFY(!options.startupRegistration->startProgTimer->isActive());

    const QString shortcut = app.settingsPath(QStringLiteral("Skrivora.desktop"));
    const QByteArray entry = readAll(autostartEntry());
    QCOMPARE(entry, readAll(shortcut));
    QVERIFY(entry.contains(("Exec=\"" + QCoreApplication::applicationFilePath() + "\"\n").toUtf8()));

    app.modal().answer(1);
    options.SpeedButton1->click();
    QTRY_COMPARE(app.modal().texts(), QStringList({ kAnnouncement, kAdded, kAnnouncement, kRemoved }));
    QVERIFY(!QFileInfo::exists(autostartEntry()));
    QVERIFY(QFileInfo::exists(shortcut)); // left in place

    options.SpeedButton1->click();
    QTRY_COMPARE(app.modal().texts().size(), 6);
    QCOMPARE(app.modal().texts().last(), kAdded);
    QVERIFY(QFileInfo::exists(autostartEntry()));
}

void StartupRegistrationTest::announcementIsClosedBeforeAnythingHappens()
{
    TestApp app;
    app.create();
    Toptform &options = *app.context.optform;
    bool shortcutExisted = true;
    bool timerRan = true;
    const QString shortcut = app.settingsPath(QStringLiteral("Skrivora.desktop"));
    app.modal().answer([&](QDialog &) {
        shortcutExisted = QFileInfo::exists(shortcut);
        timerRan = options.startupRegistration->startProgTimer->isActive();
        return int(QDialog::Rejected); // closed by its window frame: the work goes on all the same
    });
    options.SpeedButton1->click();
    QVERIFY(!shortcutExisted);
    QVERIFY(!timerRan);
    QVERIFY(options.startupRegistration->startProgTimer->isActive());
    QTRY_COMPARE(app.modal().texts().last(), kAdded);
}

void StartupRegistrationTest::missingSettingsFolderFailsAtTenthTick()
{
    TestApp app;
    app.create();
    StartupRegistration &registration = *app.context.optform->startupRegistration;
    QVERIFY(QDir(app.settingsFolder()).removeRecursively());

    registration.startProgDoButtonClick();
    QVERIFY(registration.SPtimerFilename.isEmpty());
    QVERIFY(registration.startProgTimer->isActive());
    QCOMPARE(registration.startProgTimer->interval(), 1000);
    registration.startProgTimer->stop(); // the ticks are given by hand, without waiting ten seconds
    registration.startProgTimer->start();
    for (int tick = 1; tick < 10; ++tick)
        registration.startProgTimerTimer();
    QCOMPARE(app.modal().texts(), QStringList { kAnnouncement });
    QVERIFY(registration.startProgTimer->isActive());

    registration.startProgTimerTimer();
    QCOMPARE(app.modal().texts(), QStringList({ kAnnouncement, kFailed }));
    QVERIFY(!registration.startProgTimer->isActive());
    QCOMPARE(registration.SPtimerCount, 0);
    QVERIFY(!QFileInfo::exists(autostartEntry()));
}

void StartupRegistrationTest::missingExecutableStopsAtOnce()
{
    TestApp app;
    app.create();
    StartupRegistration registration(app.context, app.root() + QStringLiteral("/findes-ikke/skrivora"));
    registration.startProgDoButtonClick();
    QCOMPARE(app.modal().texts(),
        QStringList({ kAnnouncement, QStringLiteral("Genvejens mål blev ikke fundet.") }));
    QVERIFY(!registration.startProgTimer->isActive());
    QVERIFY(!QFileInfo::exists(app.settingsPath(QStringLiteral("Skrivora.desktop"))));
}

void StartupRegistrationTest::missingAutostartFolderIsMade()
{
    QVERIFY(QDir(configHome_->path() + QStringLiteral("/autostart")).removeRecursively());
    TestApp app;
    app.create();
    app.context.optform->SpeedButton1->click();
    QTRY_COMPARE(app.modal().texts(), QStringList({ kAnnouncement, kAdded }));
    QVERIFY(QFileInfo::exists(autostartEntry()));
}

void StartupRegistrationTest::autostartFolderThatCannotBeMadeIsReported()
{
    QVERIFY(QDir(configHome_->path() + QStringLiteral("/autostart")).removeRecursively());
    QFile blocker(configHome_->path() + QStringLiteral("/autostart"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    TestApp app;
    app.create();
    app.context.optform->SpeedButton1->click();
    QTRY_COMPARE(app.modal().texts(),
        QStringList({ kAnnouncement, QStringLiteral("Startup-mappen kunne ikke findes.\n") }));
    QVERIFY(!app.context.optform->startupRegistration->startProgTimer->isActive());
}

QTEST_MAIN(StartupRegistrationTest)
#include "tst_StartupRegistration.moc"
