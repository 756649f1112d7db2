#include "app/Tinfform.h"
#include "app/Tspform.h"
#include "platform/widgets/ModalRunner.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

// Shows the dialog for real and lets a scripted user act on it once it is on screen.
class LiveRunner : public ModalRunner {
public:
    explicit LiveRunner(std::function<void(QDialog &)> act)
        : act_(std::move(act))
    { }
    int exec(QDialog &dialog) override
    {
        QTimer::singleShot(0, &dialog, [this, &dialog] {
            seenText = dialog.findChild<QLabel *>()->text();
            seenSize = dialog.size();
            seenFontSize = dialog.findChild<QLabel *>()->font().pointSize();
            act_(dialog);
        });
        return dialog.exec();
    }
    QString seenText;
    QSize seenSize;
    int seenFontSize = 0;

private:
    std::function<void(QDialog &)> act_;
};

void press(QDialog &dialog, const QString &caption)
{
    for (QPushButton *button : dialog.findChildren<QPushButton *>()) {
        if (button->text() == caption) {
            button->click();
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("no button ") + caption));
}

int lineHeight(const QDialog &dialog)
{
    QFont font = dialog.font();
    font.setPointSize(10);
    return QFontMetrics(font).lineSpacing();
}

} // namespace

class MessageDialogsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void heightFollowsTheLinesOfTheText();
    void questionAnswers_data();
    void questionAnswers();
    void informationShowsOnlyTheLatestText();
    void enterGivesTheAnswerThatLosesNothing_data();
    void enterGivesTheAnswerThatLosesNothing();
    void onePicturePerDialog();
};

void MessageDialogsTest::heightFollowsTheLinesOfTheText()
{
    QWidget frame;
    Tinfform dialog(&frame);
    LiveRunner ok([](QDialog &shown) { press(shown, QStringLiteral("OK")); });

    dialog.insertTekst(QStringLiteral("En linje."));
    QCOMPARE(dialog.showModal(ok), 1);
    QCOMPARE(ok.seenSize.width(), 339);
    const int oneLine = ok.seenSize.height();
    QVERIFY(oneLine - 80 >= lineHeight(dialog));
    QVERIFY(oneLine - 80 < 2 * lineHeight(dialog));
    QCOMPARE(ok.seenFontSize, 10);

    dialog.insertTekst(QStringLiteral("Information\rDer gik noget galt med opstarten.\rDer kan\reventuelt."));
    dialog.showModal(ok);
    QCOMPARE(ok.seenText.count(u'\n'), 3);
    // Four lines of text: four times the text height of one line, plus the same 80 pixels.
    const int fourLines = ok.seenSize.height();
    QVERIFY2(qAbs((fourLines - 80) - 4 * (oneLine - 80)) <= 4, qPrintable(QString::number(fourLines)));

    // Closed, the dialog is empty again with its small font.
    QCOMPARE(dialog.text(), QString());
    QCOMPARE(dialog.textLabel()->font().pointSize(), 8);
}

void MessageDialogsTest::questionAnswers_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("yes");
    QTest::newRow("Ja") << QStringLiteral("Ja") << true;
    QTest::newRow("Nej") << QStringLiteral("Nej") << false;
    QTest::newRow("Escape") << QStringLiteral("Escape") << false;
    QTest::newRow("close box") << QStringLiteral("close") << false;
}

void MessageDialogsTest::questionAnswers()
{
    QFETCH(QString, how);
    QFETCH(bool, yes);
    QWidget frame;
    Tspform dialog(&frame);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Spørgsmål"));
    LiveRunner user([how](QDialog &shown) {
        if (how == QLatin1String("Escape"))
            QTest::keyClick(&shown, Qt::Key_Escape);
        else if (how == QLatin1String("close"))
            shown.close();
        else
            press(shown, how);
    });
    dialog.insertTekst(QStringLiteral("Skal det gemmes?"));
    QCOMPARE(dialog.showModal(user) == Tspform::kYes, yes);
    QCOMPARE(user.seenText, QStringLiteral("Skal det gemmes?"));
}

void MessageDialogsTest::informationShowsOnlyTheLatestText()
{
    QWidget frame;
    Tinfform dialog(&frame);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Information"));
    LiveRunner ok([](QDialog &shown) { press(shown, QStringLiteral("OK")); });
    dialog.insertTekst(QStringLiteral("Første besked"));
    dialog.showModal(ok);
    dialog.insertTekst(QStringLiteral("Anden besked"));
    dialog.showModal(ok);
    QCOMPARE(ok.seenText, QStringLiteral("Anden besked"));
}

void MessageDialogsTest::enterGivesTheAnswerThatLosesNothing_data()
{
    QTest::addColumn<int>("safe");
    QTest::addColumn<QString>("before"); // how the user answered the question before
    QTest::newRow("save?: Ja") << Tspform::kYes << QString();
    QTest::newRow("delete?: Nej") << Tspform::kNo << QString();
    // The default once followed the button last pressed, so one "Nej" made Enter answer "Nej" next time.
    QTest::newRow("save? after Nej before: still Ja") << Tspform::kYes << QStringLiteral("Nej");
    QTest::newRow("delete? after Ja before: still Nej") << Tspform::kNo << QStringLiteral("Ja");
}

void MessageDialogsTest::enterGivesTheAnswerThatLosesNothing()
{
    QFETCH(int, safe);
    QFETCH(QString, before);
    QWidget frame;
    Tspform dialog(&frame);
    if (!before.isEmpty()) {
        LiveRunner user([before](QDialog &shown) { press(shown, before); });
        dialog.insertTekst(QStringLiteral("Første spørgsmål?"));
        dialog.showModal(user);
    }
    dialog.setDefaultAnswer(safe);
    LiveRunner enter([](QDialog &shown) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &shown, Qt::Key_Return);
    });
    dialog.insertTekst(QStringLiteral("Skal det gemmes?"));
    QCOMPARE(dialog.showModal(enter), safe);
}

// The question showed the same picture at both ends of its buttons.
void MessageDialogsTest::onePicturePerDialog()
{
    QWidget frame;
    Tinfform information(&frame);
    Tspform question(&frame);
    for (QDialog *dialog : std::initializer_list<QDialog *> { &information, &question }) {
        int pictures = 0;
        for (const QLabel *label : dialog->findChildren<QLabel *>())
            pictures += label->pixmap().isNull() ? 0 : 1;
        QCOMPARE(pictures, 1);
    }
}

QTEST_MAIN(MessageDialogsTest)
#include "tst_MessageDialogs.moc"
