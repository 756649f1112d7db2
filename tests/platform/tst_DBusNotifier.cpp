// Notifications over a real D-Bus bus of the test's own, received by a recording notification service.
#include "platform/DBusNotifier.h"
#include "support/PrivateSessionBus.h"
#include "support/RecordingNotificationServer.h"

#include <QDBusConnection>
#include <QGuiApplication>
#include <QtTest>

class tst_DBusNotifier : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void eachNotificationArrivesWithTitleTextAndProgramName();
    void markupIsEscapedOnlyForServersThatReadIt_data();
    void markupIsEscapedOnlyForServersThatReadIt();
    void withoutANotificationServiceNothingFails();
    void withoutABusNothingFails();

private:
    std::unique_ptr<PrivateSessionBus> bus_;
};

void tst_DBusNotifier::initTestCase()
{
    bus_ = std::make_unique<PrivateSessionBus>();
    QVERIFY2(bus_->isRunning(), qPrintable(bus_->error()));
}

void tst_DBusNotifier::eachNotificationArrivesWithTitleTextAndProgramName()
{
    RecordingNotificationServer server(bus_->address(), { QStringLiteral("body") });
    QVERIFY(server.isServing());
    QGuiApplication::setDesktopFileName(QStringLiteral("dk.skrivora.skrivora"));
    DBusNotifier notifier(bus_->address());

    notifier.notify(QStringLiteral("Tilvex 1"), QStringLiteral("Møde"), QStringLiteral("Kl. 10 i kantinen"));
    notifier.notify(QStringLiteral("Tilvex 2"), QStringLiteral("Husk"), QStringLiteral("Mælk\nBrød"));

    QTRY_COMPARE(server.received.size(), 2);
    QCOMPARE(server.received[0].summary, QStringLiteral("Møde"));
    QCOMPARE(server.received[0].body, QStringLiteral("Kl. 10 i kantinen"));
    QCOMPARE(server.received[1].summary, QStringLiteral("Husk"));
    QCOMPARE(server.received[1].body, QStringLiteral("Mælk\nBrød"));
    for (const RecordingNotificationServer::Received &received : server.received) {
        QCOMPARE(received.appName, QStringLiteral("Skrivora"));
        QCOMPARE(received.appIcon, QStringLiteral("skrivora"));
        QCOMPARE(received.hints.value(QStringLiteral("desktop-entry")).toString(),
            QStringLiteral("dk.skrivora.skrivora"));
        // Two notifications, the second does not take the place of the first.
        QCOMPARE(received.replacesId, 0u);
    }
}

void tst_DBusNotifier::markupIsEscapedOnlyForServersThatReadIt_data()
{
    QTest::addColumn<QStringList>("capabilities");
    QTest::addColumn<QString>("body");
    QTest::newRow("server reads markup") << QStringList { QStringLiteral("body"),
        QStringLiteral("body-markup") } << "C# &amp; &lt;Java&gt; &quot;ja&quot;";
    QTest::newRow("server shows plain text")
        << QStringList { QStringLiteral("body") } << "C# & <Java> \"ja\"";
}

void tst_DBusNotifier::markupIsEscapedOnlyForServersThatReadIt()
{
    QFETCH(QStringList, capabilities);
    QFETCH(QString, body);
    RecordingNotificationServer server(bus_->address(), capabilities);
    QVERIFY(server.isServing());
    DBusNotifier notifier(bus_->address());

    notifier.notify(
        QStringLiteral("Tilvex 1"), QStringLiteral("<b>Titel</b>"), QStringLiteral("C# & <Java> \"ja\""));
    notifier.notify(QStringLiteral("Tilvex 2"), QStringLiteral("Igen"), QStringLiteral("C# & <Java> \"ja\""));

    QTRY_COMPARE(server.received.size(), 2);
    // The summary is plain text by the protocol, whatever the server reads in the body.
    QCOMPARE(server.received[0].summary, QStringLiteral("<b>Titel</b>"));
    QCOMPARE(server.received[0].body, body);
    QCOMPARE(server.received[1].body, body);
}

void tst_DBusNotifier::withoutANotificationServiceNothingFails()
{
    DBusNotifier notifier(bus_->address());
    QSignalSpy answers(&notifier, &DBusNotifier::answered);
    notifier.notify(QStringLiteral("Tilvex 1"), QStringLiteral("Ingen"), QStringLiteral("modtager"));
    notifier.notify(QStringLiteral("Tilvex 2"), QStringLiteral("Ingen"), QStringLiteral("modtager"));
    QTRY_COMPARE(answers.size(), 2);
    QCOMPARE(answers[0], QVariantList({ QStringLiteral("Tilvex 1"), false }));
    QCOMPARE(answers[1], QVariantList({ QStringLiteral("Tilvex 2"), false }));

    // A notification centre that starts later gets what is sent from then on.
    RecordingNotificationServer server(bus_->address(), { QStringLiteral("body") });
    QVERIFY(server.isServing());
    notifier.notify(QStringLiteral("Tilvex 3"), QStringLiteral("Nu"), QStringLiteral("med modtager"));
    QTRY_COMPARE(answers.size(), 3);
    QCOMPARE(answers[2], QVariantList({ QStringLiteral("Tilvex 3"), true }));
    QCOMPARE(server.received.size(), 1);
    QCOMPARE(server.received[0].summary, QStringLiteral("Nu"));
}

void tst_DBusNotifier::withoutABusNothingFails()
{
    DBusNotifier notifier(QStringLiteral("unix:path=/nonexistent/skrivora-bus"));
    QSignalSpy answers(&notifier, &DBusNotifier::answered);
    notifier.notify(QStringLiteral("Tilvex 1"), QStringLiteral("Ingen"), QStringLiteral("bus"));
    QCOMPARE(answers.size(), 1);
    QCOMPARE(answers[0], QVariantList({ QStringLiteral("Tilvex 1"), false }));
}

QTEST_GUILESS_MAIN(tst_DBusNotifier)
#include "tst_DBusNotifier.moc"
