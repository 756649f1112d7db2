#include "app/DocumentInfoWidgets.h"
#include "app/SearchPageControls.h"
#include "documents/DocumentArea.h"
#include "documents/RichEditor.h"
#include "documents/TFunktioner.h"
#include "documents/Tprintform.h"
#include "documents/Twinform2.h"
#include "documents/rich/ColourGrid.h"
#include "frame/DocumentTabStrip.h"
#include "frame/Tmainform.h"
#include "lists/FileListBox.h"
#include "lists/Tfilform.h"
#include "support/ActionClick.h"
#include "support/FileBytes.h"
#include "support/OptionsFile.h"
#include "support/PdfContents.h"
#include "support/TestApp.h"
#include "support/TestData.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTextList>
#include <QToolButton>
#include <QtTest>

namespace {

Twinform2 *activeRich(TestApp &app)
{
    return qobject_cast<Twinform2 *>(app.frame().documents()->activeDocument());
}

Twinform2 *newRichDocument(TestApp &app)
{
    app.frame().command(QStringLiteral("fileNewRtf"))->trigger();
    return activeRich(app);
}

// Types as the user does, letter by letter, Danish letters included.
void type(Twinform2 *window, const QString &text)
{
    window->Editor->setFocus();
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, window->Editor, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void select(Twinform2 *window, int start, int length)
{
    window->Editor->setSelection(start, length);
}

int pictureCount(const QTextDocument &document)
{
    int pictures = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
            pictures += fragment.fragment().charFormat().isImageFormat();
    }
    return pictures;
}

const QByteArray kFootnote
    = R"({\rtf1\ansi{\fonttbl{\f0 Arial;}}\f0 Referat{\super\chftn{\footnote Kilde}}\par})";
const QByteArray kQuestionStart = "Hvis du gemmer over \"referat.rtf\", forsvinder dette fra filen:";

} // namespace

class Twinform2Test : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rtfOpensInTheRichWindowFromEveryWayIn_data();
    void rtfOpensInTheRichWindowFromEveryWayIn();
    void newRichDocumentIsNumberedAndHasNoName();
    void savingWritesRtfWhateverTheName();
    void pictureSurvivesOpenEditAndSave();
    void whatTheFileLosesIsToldOnOpenAndAskedBeforeTheFirstSaveOverIt_data();
    void whatTheFileLosesIsToldOnOpenAndAskedBeforeTheFirstSaveOverIt();
    void refusedFileIsReportedAndNeverSavedOver_data();
    void refusedFileIsReportedAndNeverSavedOver();
    void contentThatIsNoRtfShowsAsPlainText();
    void fontAtTheCaretJoinsTheFontBox();
    void sizeBoxAndSizeButtons();
    void characterStylesFollowTheSelection();
    void bulletsAndAlignmentShowAsPressed();
    void colourGridColoursTheSelectionAndMarksTheCaretColour();
    void marginIndentsTheParagraph();
    void modifiedIndicatorHasTwoWidths();
    void changedRichDocumentIsMarkedOnItsTabUntilSaved();
    void statusStripShowsLinesAndPosition();
    void spellingRefreshLeavesClipboardModifiedStateAndFocus();
    void closeQuestionAsInThePlainWindow();
    void dateTextsGoIntoTheActiveRichDocument();
    void findAndReplaceInTheRichDocument();
    void printingKeepsTheFormatting();
};

void Twinform2Test::rtfOpensInTheRichWindowFromEveryWayIn_data()
{
    QTest::addColumn<QString>("way");
    for (const char *way : { "command line", "open dialog", "drop", "document box", "last run" })
        QTest::newRow(way) << QString::fromLatin1(way);
}

void Twinform2Test::rtfOpensInTheRichWindowFromEveryWayIn()
{
    QFETCH(QString, way);
    const QMap<int, QByteArray> remember
        = { { OptionsFile::Dokumenter, "1" }, { OptionsFile::DokumenterAgain, "1" } };
    TestApp app;
    app.writeSettingsFile(QStringLiteral("optUnit.txt"), OptionsFile::with(remember));
    const QString path = app.writeFile(QStringLiteral("Brev.RTF"), R"({\rtf1 R\'f8d {\b gr\'f8d}\par})");
    if (way == u"last run")
        app.writeSettingsFile(QStringLiteral("Dokumentfil.txt"), path.toUtf8() + "\r\n");
    app.start(way == u"command line" ? QStringList { path } : QStringList {});
    if (way == u"open dialog") {
        app.platform.fileDialogs.openAnswers.enqueue({ path });
        app.frame().command(QStringLiteral("fileOpen"))->trigger();
    } else if (way == u"drop") {
        QMimeData data;
        data.setUrls({ QUrl::fromLocalFile(path) });
        QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&app.frame(), &enter);
        QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&app.frame(), &drop);
    } else if (way == u"document box") {
        app.frame().funk()->openwin(path, QString());
        activeRich(app)->parentWidget()->close();
        app.context.filform->ListBox1->setCurrentRow(0);
        app.context.filform->FLopenEdit->trigger();
    }
    QTRY_VERIFY(activeRich(app));
    Twinform2 *window = activeRich(app);
    QCOMPARE(app.frame().documents()->windowsInOrder().size(), 1);
    QCOMPARE(window->capNavn(), QStringLiteral("Brev.RTF"));
    QCOMPARE(window->Editor->toPlainText(), QStringLiteral("Rød grød"));
    QVERIFY(app.modal().shown.isEmpty());
    QCOMPARE(app.frame().tc->tabText(0), QStringLiteral("Brev.RTF"));

    // Asked for again, it comes to the front.
    app.frame().funk()->openwin(path, QString());
    QCOMPARE(app.frame().documents()->windowsInOrder().size(), 1);
}

void Twinform2Test::newRichDocumentIsNumberedAndHasNoName()
{
    TestApp app;
    app.start();
    app.frame().command(QStringLiteral("fileNewTxt"))->trigger();
    Twinform2 *window = newRichDocument(app);
    QVERIFY(window);
    QCOMPARE(window->capNavn(), QStringLiteral("2. Dokument"));
    QCOMPARE(app.frame().infoWidgets().filnavnEdit->text(), QStringLiteral("Dokumentet har ikke fået navn."));
    QCOMPARE(
        app.frame().infoWidgets().docFilnavnEdit->text(), QStringLiteral("Dokumentet har ikke noget navn"));
    QVERIFY(!app.context.fields.docModified);
    QVERIFY(app.modal().shown.isEmpty());
}

void Twinform2Test::savingWritesRtfWhateverTheName()
{
    TestApp app;
    app.start();
    Twinform2 *window = newRichDocument(app);
    type(window, QStringLiteral("Æble"));
    QVERIFY(app.context.fields.docModified);
    const QString path = app.root() + QStringLiteral("/notat.txt");
    app.platform.fileDialogs.saveAnswers.enqueue(path);
    window->Gem();
    QVERIFY(readAll(path).startsWith("{\\rtf1"));
    QVERIFY(!app.context.fields.docModified);
    QCOMPARE(window->capNavn(), QStringLiteral("notat.txt"));

    // A name typed without an extension gets ".rtf".
    app.platform.fileDialogs.saveAnswers.enqueue(app.root() + QStringLiteral("/brev"));
    window->GemSom();
    QVERIFY(readAll(app.root() + QStringLiteral("/brev.rtf")).startsWith("{\\rtf1"));
}

void Twinform2Test::pictureSurvivesOpenEditAndSave()
{
    TestApp app;
    const QString path = app.writeFile(
        QStringLiteral("billede.rtf"), TestData::read(QStringLiteral("rtf/skrivora-picture.rtf")));
    app.start({ path });
    Twinform2 *window = activeRich(app);
    QCOMPARE(pictureCount(*window->Editor->document()), 1);
    window->Editor->moveCursor(QTextCursor::End);
    type(window, QStringLiteral(" og mere"));
    window->Gem();
    QVERIFY(app.modal().shown.isEmpty());
    QVERIFY(window->parentWidget()->close());

    app.frame().funk()->openwin(path, QString());
    window = activeRich(app);
    QCOMPARE(pictureCount(*window->Editor->document()), 1);
    QVERIFY(window->Editor->toPlainText().endsWith(QStringLiteral(" og mere")));
}

void Twinform2Test::whatTheFileLosesIsToldOnOpenAndAskedBeforeTheFirstSaveOverIt_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("told");
    QTest::newRow("footnote") << kFootnote << QStringLiteral("- Fodnoter og slutnoter.");
    QTest::newRow("cut short") << QByteArray(R"({\rtf1\ansi Referat\par Mere tek)")
                               << QStringLiteral("- Filen er beskadiget eller afkortet");
}

void Twinform2Test::whatTheFileLosesIsToldOnOpenAndAskedBeforeTheFirstSaveOverIt()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, told);
    TestApp app;
    const QString path = app.writeFile(QStringLiteral("referat.rtf"), bytes);
    app.start({ path });
    QCOMPARE(app.modal().texts().size(), 1);
    QVERIFY(app.modal().texts().first().startsWith(
        QStringLiteral("Dokumentet \"referat.rtf\" indeholder noget")));
    QVERIFY(app.modal().texts().first().contains(told));
    Twinform2 *window = activeRich(app);
    QVERIFY(window->Editor->toPlainText().startsWith(QStringLiteral("Referat")));
    type(window, QStringLiteral("Nyt "));

    app.modal().answer(2); // Nej: the file stays as it was
    window->Gem();
    QVERIFY(app.modal().texts().last().startsWith(QString::fromUtf8(kQuestionStart)));
    QCOMPARE(readAll(path), bytes);
    QVERIFY(window->Editor->document()->isModified());

    // Under a new name nothing is asked.
    const QString copy = app.root() + QStringLiteral("/kopi.rtf");
    app.modal().shown.clear();
    app.platform.fileDialogs.saveAnswers.enqueue(copy);
    window->GemSom();
    QVERIFY(app.modal().shown.isEmpty());
    QVERIFY(readAll(copy).startsWith("{\\rtf1"));

    // Asked again over the first file, "Ja" writes it, and after that nothing more is asked.
    app.platform.fileDialogs.saveAnswers.enqueue(path);
    app.modal().answer(1); // overwrite
    app.modal().answer(1); // lose it
    window->GemSom();
    QVERIFY(readAll(path).startsWith("{\\rtf1"));
    QVERIFY(app.modal().texts().value(1).startsWith(QString::fromUtf8(kQuestionStart)));
    const qsizetype asked = app.modal().texts().size();
    type(window, QStringLiteral("!"));
    window->Gem();
    QCOMPARE(app.modal().texts().size(), asked);
}

void Twinform2Test::refusedFileIsReportedAndNeverSavedOver_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    QTest::newRow("nested too deep") << QByteArray("{\\rtf1 ") + QByteArray(5000, '{')
                                     << QStringLiteral("Filen kan ikke læses som RTF");
    QTest::newRow("rtf that gives nothing")
        << QByteArray(R"({\rtf1{\fonttbl{\f0 Arial;})") << QStringLiteral("Filen er ikke tom");
}

void Twinform2Test::refusedFileIsReportedAndNeverSavedOver()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    TestApp app;
    const QString path = app.writeFile(QStringLiteral("skadet.rtf"), bytes);
    app.start({ path });
    QCOMPARE(app.modal().texts().size(), 1);
    QVERIFY(app.modal().texts().first().startsWith(
        QStringLiteral("Filen:\n") + path + QStringLiteral("\nkunne ikke læses.\n") + reason));
    Twinform2 *window = activeRich(app);
    QVERIFY(window->Filnavn().isEmpty());
    type(window, QStringLiteral("x"));
    window->Gem(); // asks for a new name; cancelled
    QCOMPARE(app.platform.fileDialogs.suggestedSavePaths, QStringList { QStringLiteral("UdenNavn") });
    QCOMPARE(readAll(path), bytes);
}

void Twinform2Test::contentThatIsNoRtfShowsAsPlainText()
{
    TestApp app;
    const QString path = app.writeFile(QStringLiteral("noter.rtf"),
        "R\xF8"
        "dgr\xF8"
        "d\r\nmed fl\xF8"
        "de");
    app.start({ path });
    Twinform2 *window = activeRich(app);
    QCOMPARE(window->Editor->toPlainText(), QStringLiteral("Rødgrød\nmed fløde"));
    QVERIFY(app.modal().shown.isEmpty());
    type(window, QStringLiteral("!"));
    window->Gem();
    QVERIFY(readAll(path).startsWith("{\\rtf1"));
}

void Twinform2Test::fontAtTheCaretJoinsTheFontBox()
{
    TestApp app;
    const QString path = app.writeFile(QStringLiteral("fonte.rtf"),
        R"({\rtf1{\fonttbl{\f0 Arial;}{\f1 Skrivoras Egen;}}\f0 En \f1 To\par})");
    app.start({ path });
    Twinform2 *window = activeRich(app);
    const int entries = window->FontNameBox->count();
    window->Editor->setSelection(5, 0);
    QCOMPARE(window->FontNameBox->currentText(), QStringLiteral("Skrivoras Egen"));
    QCOMPARE(window->FontNameBox->count(), entries + 1);
    window->Editor->setSelection(1, 0);
    QCOMPARE(window->FontNameBox->currentText(), QStringLiteral("Arial"));
    QCOMPARE(window->FontNameBox->findText(QStringLiteral("Skrivoras Egen")), entries);

    // Typing completes to the first entry that begins so, and the selection takes it.
    select(window, 0, 2);
    window->FontNameBox->lineEdit()->clear();
    QTest::keyClicks(window->FontNameBox->lineEdit(), QStringLiteral("skriv"));
    QCOMPARE(window->FontNameBox->currentText(), QStringLiteral("Skrivoras Egen"));
    QCOMPARE(window->Editor->textCursor().charFormat().fontFamilies().toStringList().value(0),
        QStringLiteral("Skrivoras Egen"));
}

void Twinform2Test::sizeBoxAndSizeButtons()
{
    TestApp app;
    const QString path = app.writeFile(QStringLiteral("størrelser.rtf"), R"({\rtf1\fs40 Tyve\par})");
    app.start({ path });
    Twinform2 *window = activeRich(app);
    window->Editor->setSelection(2, 0);
    // The options' default sizes hold no 20: the box shows its first entry, the text stays as it is.
    QCOMPARE(window->fontsizeBox->currentIndex(), 0);
    QCOMPARE(window->Editor->textCursor().charFormat().fontPointSize(), 20.0);
    select(window, 0, 4);
    window->SetSize(20);
    QCOMPARE(window->Editor->textCursor().charFormat().fontPointSize(), 20.0);
    QToolButton *sb20 = window->sizeButtons[5];
    QCOMPARE(sb20->text(), QStringLiteral("22"));
    sb20->click();
    QCOMPARE(window->Editor->textCursor().charFormat().fontPointSize(), 22.0);
    QCOMPARE(window->fontsizeBox->currentText(), QStringLiteral("22"));
    QCOMPARE(window->sizeButtons[0]->toolTip(), QStringLiteral("Fontstørrelse 10"));
}

void Twinform2Test::characterStylesFollowTheSelection()
{
    TestApp app;
    app.start();
    Twinform2 *window = newRichDocument(app);
    type(window, QStringLiteral("Fed tekst"));
    QTRY_VERIFY(window->RichEditBold2->isEnabled());
    select(window, 0, 3);
    QVERIFY(!window->RichEditBold2->isChecked());
    window->RichEditBold2->trigger();
    QCOMPARE(window->Editor->textCursor().charFormat().fontWeight(), int(QFont::Bold));
    QVERIFY(window->RichEditBold2->isChecked());
    window->RichEditBold2->trigger();
    QCOMPARE(window->Editor->textCursor().charFormat().fontWeight(), int(QFont::Normal));

    window->RichEditItalic2->trigger();
    window->RichEditUnderline2->trigger();
    QVERIFY(window->Editor->textCursor().charFormat().fontItalic());
    QVERIFY(window->Editor->textCursor().charFormat().fontUnderline());
    QVERIFY(window->RichEditItalic2->isChecked());

    // Without the focus in the editor the styles are off.
    window->FontNameBox->setFocus();
    QTRY_VERIFY(!window->RichEditBold2->isEnabled());
}

void Twinform2Test::bulletsAndAlignmentShowAsPressed()
{
    TestApp app;
    app.start();
    Twinform2 *window = newRichDocument(app);
    type(window, QStringLiteral("Punkt"));
    QTRY_VERIFY(window->RichEditBullets2->isEnabled());
    QVERIFY(window->RichEditAlignLeft2->isChecked());
    window->RichEditBullets2->trigger();
    QVERIFY(window->Editor->textCursor().currentList());
    QVERIFY(window->RichEditBullets2->isChecked());
    window->RichEditBullets2->trigger();
    QVERIFY(!window->Editor->textCursor().currentList());
    QVERIFY(!window->RichEditBullets2->isChecked());

    window->RichEditAlignCenter2->trigger();
    QCOMPARE(
        window->Editor->textCursor().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QVERIFY(window->RichEditAlignCenter2->isChecked());
    QVERIFY(!window->RichEditAlignLeft2->isChecked());
    window->RichEditAlignRight2->trigger();
    QVERIFY(window->RichEditAlignRight2->isChecked());
    QVERIFY(!window->RichEditAlignCenter2->isChecked());
}

void Twinform2Test::colourGridColoursTheSelectionAndMarksTheCaretColour()
{
    TestApp app;
    app.start();
    Twinform2 *window = newRichDocument(app);
    type(window, QStringLiteral("Rød og sort"));
    QCOMPARE(window->ColorGrid->marked(), QColor(Qt::black));
    select(window, 0, 3);
    window->ColorGrid->button(9)->click(); // red
    QCOMPARE(window->Editor->textCursor().charFormat().foreground().color(), QColor(0xFF, 0x00, 0x00));
    window->Editor->setSelection(2, 0);
    QCOMPARE(window->ColorGrid->marked(), QColor(0xFF, 0x00, 0x00));

    // A colour of the text that is none of the sixteen marks none.
    select(window, 4, 2);
    window->Editor->setSelectionColor(QColor(0x12, 0x34, 0x56));
    window->Editor->setSelection(5, 0);
    QVERIFY(!window->ColorGrid->marked().isValid());
}

void Twinform2Test::marginIndentsTheParagraph()
{
    TestApp app;
    app.start();
    Twinform2 *window = newRichDocument(app);
    type(window, QStringLiteral("Afsnit"));
    window->aMargin->trigger();
    const QTextBlockFormat format = window->Editor->textCursor().blockFormat();
    // In points: 4 for the first line and the lines after it, 5 on the right.
    QCOMPARE(qRound(format.leftMargin() * 0.75 * 100), 400);
    QCOMPARE(format.textIndent(), 0.0);
    QCOMPARE(qRound(format.rightMargin() * 0.75 * 100), 500);
}

void Twinform2Test::modifiedIndicatorHasTwoWidths()
{
    TestApp app;
    app.start();
    Twinform2 *window = newRichDocument(app);
    QCOMPARE(window->EditModified->text(), QString());
    QCOMPARE(window->EditModified->toolTip(), QStringLiteral("Dokumentet er ikke ændret"));
    QCOMPARE(window->modiButton->width(), 24);
    type(window, QStringLiteral("x"));
    QCOMPARE(window->EditModified->text(), QStringLiteral("Redigeret"));
    QCOMPARE(window->EditModified->toolTip(), QStringLiteral("Dokumentet er ændret"));
    QCOMPARE(window->modiButton->width(), 82);
}

// The tab's mark and the status line's "Gemt", as for a plain document.
void Twinform2Test::changedRichDocumentIsMarkedOnItsTabUntilSaved()
{
    TestApp app;
    const QString path = app.writeFile(QStringLiteral("referat.rtf"), R"({\rtf1\ansi Referat\par})");
    app.start({ path });
    app.frame().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&app.frame()));
    Twinform2 *window = activeRich(app);
    QVERIFY(window);
    DocumentTabStrip *tabs = app.frame().tc;
    QVERIFY(tabs->tabIcon(0).isNull());

    type(window, QStringLiteral("Nyt "));
    QVERIFY(window->isModified());
    QVERIFY(!tabs->tabIcon(0).isNull());
    QCOMPARE(tabs->tabText(0), QStringLiteral("referat.rtf"));

    QTest::keyClick(window->Editor, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!window->isModified());
    QVERIFY(tabs->tabIcon(0).isNull());
    QCOMPARE(app.frame().bundPanel->currentMessage(), QStringLiteral("Gemt"));
    QVERIFY(readAll(path).contains("Nyt Referat"));
}

void Twinform2Test::statusStripShowsLinesAndPosition()
{
    TestApp app;
    app.start();
    Twinform2 *window = newRichDocument(app);
    QCOMPARE(window->InfoPanels.size(), 5);
    QCOMPARE(window->InfoPanels[0]->text(), QStringLiteral("Linier"));
    QCOMPARE(window->InfoPanels[1]->text(), QStringLiteral("1"));
    QCOMPARE(window->InfoPanels[2]->text(), QStringLiteral("Pos"));
    QCOMPARE(window->InfoPanels[3]->text(), QStringLiteral("1,0"));
    QCOMPARE(window->InfoPanels[4]->text(), QString());
    type(window, QStringLiteral("ab"));
    QTest::keyClick(window->Editor, Qt::Key_Return);
    QTest::keyClicks(window->Editor, QStringLiteral("cde"));
    QCOMPARE(window->InfoPanels[1]->text(), QStringLiteral("2"));
    QCOMPARE(window->InfoPanels[3]->text(), QStringLiteral("2,3"));
    app.frame().udskrivFilInfo();
    QCOMPARE(app.frame().infoWidgets().filsizeLabel->text(), QStringLiteral("Antal tegn: 6"));
    QCOMPARE(app.frame().infoWidgets().antalLinjerLabel->text(), QStringLiteral("Antal linjer: 2"));
}

// The spelling refresh once cut the whole text to the clipboard and pasted it back: what the user had
// copied was gone and the document counted as changed.
void Twinform2Test::spellingRefreshLeavesClipboardModifiedStateAndFocus()
{
    TestApp app;
    const QString path = app.writeFile(QStringLiteral("stavning.rtf"), R"({\rtf1 Hej med dig\par})");
    app.start({ path });
    Twinform2 *window = activeRich(app);
    // The spelling menu is in use, so the command is on.
    if (!window->aStavekontrol->isEnabled())
        window->puButton->click();
    QVERIFY(window->aStavekontrol->isEnabled());
    QApplication::clipboard()->setText(QStringLiteral("kopieret af brugeren"));
    window->FontNameBox->setFocus();
    QTRY_VERIFY(window->FontNameBox->hasFocus());
    window->Editor->setSelection(4, 3);
    window->aStavekontrol->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("kopieret af brugeren"));
    QVERIFY(!window->Editor->document()->isModified());
    QCOMPARE(window->Editor->textCursor().position(), 1);
    QVERIFY(!window->Editor->textCursor().hasSelection());
    QVERIFY(window->FontNameBox->hasFocus());
}

void Twinform2Test::closeQuestionAsInThePlainWindow()
{
    TestApp app;
    app.start();
    Twinform2 *window = newRichDocument(app);
    type(window, QStringLiteral("Vigtig"));
    app.modal().pressEscape();
    QVERIFY(!window->parentWidget()->close());
    QCOMPARE(app.modal().texts(),
        QStringList { QStringLiteral("Dokumentet: 1. Dokument\ner modificeret.\nSkal det gemmes?") });
    app.modal().answer(2);
    QVERIFY(window->parentWidget()->close());
    QCoreApplication::processEvents();
    QCOMPARE(app.frame().infoWidgets().filnavnEdit->text(), QStringLiteral("Der er ingen åbne dokumenter."));
}

void Twinform2Test::dateTextsGoIntoTheActiveRichDocument()
{
    TestApp app;
    app.platform.clock.time = QDateTime(QDate(2024, 2, 5), QTime(9, 5, 3));
    const QString path = app.writeFile(QStringLiteral("brev.rtf"), R"({\rtf1 Aarhus, \par})");
    app.start({ path });
    Twinform2 *window = activeRich(app);
    window->Editor->setSelection(8, 0);
    QVERIFY(clickWhenEnabled(
        app.frame().command(QStringLiteral("aDato3")), [&app] { app.frame().updateActions(); }));
    QCOMPARE(window->Editor->toPlainText(), QStringLiteral("Aarhus, 2024-02-05"));
    QVERIFY(app.context.fields.docModified);
}

void Twinform2Test::findAndReplaceInTheRichDocument()
{
    TestApp app;
    const QString path = app.writeFile(QStringLiteral("ord.rtf"), R"({\rtf1 {\b gr\'f8d} og gr\'f8d\par})");
    app.start({ path });
    Twinform2 *window = activeRich(app);
    const SearchPageControls &page = app.frame().searchControls();
    page.ordEdit->setText(QStringLiteral("grød"));
    page.erstatEdit->setText(QStringLiteral("grøn"));
    page.erstatAlleCheck->setChecked(true);
    auto run = [&app](const char *command) {
        return clickWhenEnabled(
            app.frame().command(QString::fromLatin1(command)), [&app] { app.frame().updateActions(); });
    };
    QVERIFY(run("erstatTekst"));
    QCOMPARE(page.antalFundLabel->text(), QStringLiteral("Antal forekomster: 2"));
    QCOMPARE(window->Editor->toPlainText(), QStringLiteral("grøn og grøn"));
    // The replaced text keeps its formatting.
    window->Editor->setSelection(1, 0);
    QVERIFY(window->RichEditBold2->isChecked());
}

void Twinform2Test::printingKeepsTheFormatting()
{
    TestApp app;
    const QString path = app.writeFile(QStringLiteral("tryk.rtf"),
        R"({\rtf1{\fonttbl{\f0 Liberation Serif;}}\f0 Almindelig {\b Fed} tekst\par})");
    app.start({ path });
    app.modal().answer([&app](QDialog &) {
        app.context.printform->Button3->click();
        return app.context.printform->result();
    });
    QVERIFY(clickWhenEnabled(
        app.frame().command(QStringLiteral("udskrivDokument")), [&app] { app.frame().updateActions(); }));
    QCOMPARE(app.platform.printing.jobs.size(), 1);
    const QString job = app.platform.printing.jobs.first();
    QCOMPARE(PdfContents::layoutText(job).simplified(), QStringLiteral("Almindelig Fed tekst"));
    QVERIFY2(PdfContents::fonts(job).join(u' ').contains(QStringLiteral("Bold")),
        qPrintable(PdfContents::fonts(job).join(u' ')));
}

QTEST_MAIN(Twinform2Test)
#include "tst_Twinform2.moc"
