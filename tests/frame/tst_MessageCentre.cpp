// The message centre of the "Information" page: notifications, the character count, the frame's web
// searches for the message text, and which search a key starts.
#include "app/AppContext.h"
#include "app/MessageCentreControls.h"
#include "documents/DocumentArea.h"
#include "documents/PlainEditor.h"
#include "documents/TFunktioner.h"
#include "documents/Twinform1.h"
#include "frame/FrameCommands.h"
#include "frame/MenuBook.h"
#include "frame/MessageCentre.h"
#include "frame/Tmainform.h"
#include "platform/DBusNotifier.h"
#include "support/PrivateSessionBus.h"
#include "support/RecordingNotificationServer.h"
#include "support/TestApp.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QtTest>

namespace {

bool startActive(TestApp &app, const QStringList &files = {})
{
    app.start(files);
    app.frame().activateWindow();
    return QTest::qWaitForWindowActive(&app.frame());
}

const MessageCentreControls &openInformationPage(TestApp &app)
{
    app.frame().setMenuPanel(MenuBook::Information);
    return app.frame().menuBook()->messageCentre();
}

QString lastAddress(TestApp &app)
{
    return app.shell().calls.isEmpty() ? QString() : app.shell().calls.last().target;
}

} // namespace

class tst_MessageCentre : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void twoSendsGiveTwoNumberedNotifications();
    void aMissingTitleOrTextIsNamed_data();
    void aMissingTitleOrTextIsNamed();
    void textCountsItsCharactersWithLineBreaksAsTwo_data();
    void textCountsItsCharactersWithLineBreaksAsTwo();
    void newMessageClearsBothFieldsAndTheCount();
    void enterInTheTitleGoesOnToTheText();
    void webSearchLooksForTheMessageText_data();
    void webSearchLooksForTheMessageText();
    void searchKeysFollowTheFocus();
    void aSentMessageArrivesAtTheNotificationService();
    void fieldsAreNamedForScreenReaders();
};

void tst_MessageCentre::twoSendsGiveTwoNumberedNotifications()
{
    TestApp app;
    QVERIFY(startActive(app));
    const MessageCentreControls &centre = openInformationPage(app);
    QTest::keyClicks(centre.bcEdit, QStringLiteral("Møde"));
    centre.bcMemo->setPlainText(QStringLiteral("Kl. 10 i kantinen"));

    centre.bcButton->click();
    centre.bcButton->click();

    const QList<RecordingNotifier::Notification> &sent = app.platform.notifier.sent;
    QCOMPARE(sent.size(), 2);
    QCOMPARE(sent[0].name, QStringLiteral("Tilvex 1"));
    QCOMPARE(sent[1].name, QStringLiteral("Tilvex 2"));
    for (const RecordingNotifier::Notification &notification : sent) {
        QCOMPARE(notification.title, QStringLiteral("Møde"));
        QCOMPARE(notification.text, QStringLiteral("Kl. 10 i kantinen"));
    }
    QCOMPARE(app.context.fields.ncNumber, 2);
    // The fields stay as they were, ready for another send.
    QCOMPARE(centre.bcEdit->text(), QStringLiteral("Møde"));
    QCOMPARE(centre.bcMemo->toPlainText(), QStringLiteral("Kl. 10 i kantinen"));
    QVERIFY(app.modal().shown.isEmpty());
}

void tst_MessageCentre::aMissingTitleOrTextIsNamed_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("no title") << ""
                              << "Tekst"
                              << "Der mangler en overskrift.\nIndfør en overskrift."
                              << "bcEdit";
    QTest::newRow("no text") << "Titel"
                             << ""
                             << "Der mangler en tekst.\nIndfør en tekst."
                             << "bcMemo";
    QTest::newRow("neither") << ""
                             << ""
                             << "Der mangler en overskrift.\nIndfør en overskrift."
                             << "bcEdit";
}

void tst_MessageCentre::aMissingTitleOrTextIsNamed()
{
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    TestApp app;
    QVERIFY(startActive(app));
    const MessageCentreControls &centre = openInformationPage(app);
    centre.bcEdit->setText(title);
    centre.bcMemo->setPlainText(text);

    centre.bcButton->click();

    QCOMPARE(app.modal().texts(), QStringList { message });
    QVERIFY(app.platform.notifier.sent.isEmpty());
    QCOMPARE(app.context.fields.ncNumber, 0);
    QTRY_COMPARE(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(), focus);
}

void tst_MessageCentre::textCountsItsCharactersWithLineBreaksAsTwo_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("count");
    QTest::newRow("empty") << ""
                           << "0";
    QTest::newRow("two lines of three and four letters") << "abc\ndefg"
                                                         << "9";
    QTest::newRow("danish letters") << "æøå"
                                    << "3";
    QTest::newRow("an empty line between") << "a\n\nb"
                                           << "6";
    QTest::newRow("a letter outside the basic plane") << QStringLiteral("😀 ja") << "4";
}

void tst_MessageCentre::textCountsItsCharactersWithLineBreaksAsTwo()
{
    QFETCH(QString, text);
    QFETCH(QString, count);
    TestApp app;
    app.create();
    const MessageCentreControls &centre = app.frame().menuBook()->messageCentre();
    QCOMPARE(centre.memoLabel->text(), QStringLiteral("0"));
    centre.bcMemo->setPlainText(QStringLiteral("noget andet"));
    centre.bcMemo->setPlainText(text);
    QCOMPARE(centre.memoLabel->text(), count);
}

void tst_MessageCentre::newMessageClearsBothFieldsAndTheCount()
{
    TestApp app;
    QVERIFY(startActive(app));
    const MessageCentreControls &centre = openInformationPage(app);
    centre.bcEdit->setText(QStringLiteral("Titel"));
    centre.bcMemo->setFocus();
    QTest::keyClicks(centre.bcMemo, QStringLiteral("hej"));
    QCOMPARE(centre.memoLabel->text(), QStringLiteral("3"));

    centre.bcNyButton->click();

    QVERIFY(centre.bcEdit->text().isEmpty());
    QVERIFY(centre.bcMemo->toPlainText().isEmpty());
    QCOMPARE(centre.memoLabel->text(), QStringLiteral("0"));
    QTRY_VERIFY(centre.bcEdit->hasFocus());
}

void tst_MessageCentre::enterInTheTitleGoesOnToTheText()
{
    TestApp app;
    QVERIFY(startActive(app));
    const MessageCentreControls &centre = openInformationPage(app);
    centre.bcEdit->setFocus();
    QTest::keyClicks(centre.bcEdit, QStringLiteral("Husk"));
    QTest::keyClick(centre.bcEdit, Qt::Key_Return);
    QTRY_VERIFY(centre.bcMemo->hasFocus());
    QTest::keyClicks(centre.bcMemo, QStringLiteral("mælk"));
    QCOMPARE(centre.bcEdit->text(), QStringLiteral("Husk"));
    QCOMPARE(centre.bcMemo->toPlainText(), QStringLiteral("mælk"));
}

void tst_MessageCentre::webSearchLooksForTheMessageText_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("address");
    QTest::newRow("google without a text") << "googleUrl"
                                           << ""
                                           << "https://www.google.com/search?q=Der%20mangler%20en%20tekst.";
    QTest::newRow("bing with an ampersand") << "bingUrl"
                                            << "C# & Java"
                                            << "https://www.bing.com/search?q=C%23%20%26%20Java";
    QTest::newRow("youtube with two lines") << "tubeUrl"
                                            << "æbler\npærer"
                                            << "https://www.youtube.com/results?search_query="
                                               "%C3%A6bler%0Ap%C3%A6rer";
}

void tst_MessageCentre::webSearchLooksForTheMessageText()
{
    QFETCH(QString, command);
    QFETCH(QString, text);
    QFETCH(QString, address);
    TestApp app;
    QVERIFY(startActive(app));
    const MessageCentreControls &centre = openInformationPage(app);
    centre.bcMemo->setPlainText(text);
    app.frame().updateActions();
    QVERIFY(app.frame().command(command)->isEnabled());

    app.frame().command(command)->trigger();

    QCOMPARE(app.shell().calls.size(), 1);
    QCOMPARE(app.shell().calls[0].operation, QStringLiteral("openAddress"));
    QCOMPARE(app.shell().calls[0].target, address);
    QCOMPARE(centre.bcMemo->toPlainText(), text.isEmpty() ? QStringLiteral("Der mangler en tekst.") : text);
}

void tst_MessageCentre::searchKeysFollowTheFocus()
{
    TestApp app;
    const QString path = app.writeFile(QStringLiteral("ord.txt"), "Vi tog Ærø-færgen");
    QVERIFY(startActive(app, { path }));
    auto *window = qobject_cast<Twinform1 *>(app.frame().documents()->activeDocument());
    QVERIFY(window);
    const MessageCentreControls &centre = openInformationPage(app);
    centre.bcMemo->setPlainText(QStringLiteral("postnumre"));

    // In the document, the keys search for the word at the caret, as the document's commands say.
    window->Editor->setFocus();
    window->Editor->setSelection(9, 0);
    QTest::keyClick(window->Editor, Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(lastAddress(app), QStringLiteral("https://www.google.com/search?q=%C3%86r%C3%B8-f%C3%A6rgen"));
    QTest::keyClick(window->Editor, Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(lastAddress(app), QStringLiteral("https://www.bing.com/search?q=%C3%86r%C3%B8-f%C3%A6rgen"));

    // In the message centre, the same keys search for the message.
    centre.bcMemo->setFocus();
    QTRY_VERIFY(centre.bcMemo->hasFocus());
    QTest::keyClick(centre.bcMemo, Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(lastAddress(app), QStringLiteral("https://www.google.com/search?q=postnumre"));
    QTest::keyClick(centre.bcMemo, Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(lastAddress(app), QStringLiteral("https://www.bing.com/search?q=postnumre"));
    QCOMPARE(app.shell().calls.size(), 4);
    QCOMPARE(app.frame().command(QStringLiteral("googleUrl"))->shortcut(),
        QKeySequence(QStringLiteral("Ctrl+Shift+G")));

    // Back in the document, the keys are the document's again.
    window->Editor->setFocus();
    QTest::keyClick(window->Editor, Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(lastAddress(app), QStringLiteral("https://www.google.com/search?q=%C3%86r%C3%B8-f%C3%A6rgen"));
    QCOMPARE(app.shell().calls.size(), 5);
}

void tst_MessageCentre::aSentMessageArrivesAtTheNotificationService()
{
    PrivateSessionBus bus;
    QVERIFY2(bus.isRunning(), qPrintable(bus.error()));
    RecordingNotificationServer server(bus.address(), { QStringLiteral("body") });
    QVERIFY(server.isServing());
    DBusNotifier notifier(bus.address());
    TestPlatform stand { QString() };
    Platform platform { stand.shell, notifier, stand.fileDialogs, stand.clock, stand.modal, stand.printing,
        QString(), QString(), {}, false };
    AppContext context(platform);
    QWidget page;
    MessageCentreControls controls { new QLineEdit(&page), new QPlainTextEdit(&page), new QLabel(&page),
        new QToolButton(&page), new QToolButton(&page) };
    FrameCommands commands(&page);
    MessageCentre centre(controls, context, commands, &page);

    controls.bcEdit->setText(QStringLiteral("Husk"));
    controls.bcMemo->setPlainText(QStringLiteral("Mælk\nBrød"));
    controls.bcButton->click();
    controls.bcEdit->setText(QStringLiteral("Og"));
    controls.bcMemo->setPlainText(QStringLiteral("ost"));
    controls.bcButton->click();

    QTRY_COMPARE(server.received.size(), 2);
    QCOMPARE(server.received[0].summary, QStringLiteral("Husk"));
    QCOMPARE(server.received[0].body, QStringLiteral("Mælk\nBrød"));
    QCOMPARE(server.received[1].summary, QStringLiteral("Og"));
    QCOMPARE(server.received[1].body, QStringLiteral("ost"));
    for (const RecordingNotificationServer::Received &received : server.received)
        QCOMPARE(received.appName, QStringLiteral("Skrivora"));
}

void tst_MessageCentre::fieldsAreNamedForScreenReaders()
{
    TestApp app;
    app.create();
    const MessageCentreControls &centre = app.frame().menuBook()->messageCentre();
    QCOMPARE(centre.bcEdit->accessibleName(), QStringLiteral("Overskrift"));
    QCOMPARE(centre.bcMemo->accessibleName(), QStringLiteral("Besked"));
}

QTEST_MAIN(tst_MessageCentre)
#include "tst_MessageCentre.moc"
