#include "app/DanishTranslations.h"
#include "app/ProgramResources.h"
#include "documents/DocumentArea.h"
#include "documents/spelling/HunspellDictionary.h"
#include "frame/Tmainform.h"
#include "platform/widgets/QtFileDialogs.h"
#include "support/TestApp.h"
#include "support/UntranslatedTexts.h"
#include "support/VisibleTexts.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPageSetupDialog>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QTextEdit>
#include <QtTest>

#include <memory>

namespace {

// Names, not words: the web searches the program offers, and the keys of the keyboard as Qt writes them
// in shortcuts.
const QSet<QString> kNames { QStringLiteral("Google"), QStringLiteral("Bing"), QStringLiteral("YouTube"),
    QStringLiteral("Skrivora"), QStringLiteral("Ctrl"), QStringLiteral("Shift"), QStringLiteral("Alt"),
    QStringLiteral("Esc") };

QSet<QString> programWords()
{
    QFile file(QStringLiteral(SKRIVORA_TEST_DATA "/program-words.txt"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(file.fileName()));
    QSet<QString> words;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (!line.isEmpty() && !line.startsWith('#'))
            words.insert(QString::fromUtf8(line).toLower());
    }
    return words;
}

// The words of a text as the user reads it: without the underlined shortcut letter's "&", and without the
// shortcut that a menu item shows after a tab.
QStringList wordsOf(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(u'&');
    QStringList words;
    for (QString line : text.split(u'\n')) {
        line.truncate(line.indexOf(u'\t') < 0 ? line.size() : line.indexOf(u'\t'));
        static const QRegularExpression letters(QStringLiteral("\\p{L}+"));
        for (auto match = letters.globalMatch(line); match.hasNext();)
            words << match.next().captured();
    }
    return words;
}

} // namespace

// Every word the program puts on screen is Danish: the Danish dictionary knows it, it is one of the
// program's own texts, or it is a name. Qt's own dialogs are held to the same, and every text Qt looks up
// for them must have a Danish translation, since the Danish dictionary also knows words such as "Folder"
// and "Drive" that mean something else in Danish.
class DanishWordsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void programWindowsSpeakDanish();
    void qtDialogsSpeakDanish_data();
    void qtDialogsSpeakDanish();

private:
    // "word" in "text" at "where" for every word that is not Danish.
    QStringList foreignWords(const QList<SeenText> &texts);

    UntranslatedTexts untranslated_;
    std::unique_ptr<HunspellDictionary> danish_;
    QSet<QString> programWords_;
    QTemporaryDir folder_;
};

void DanishWordsTest::initTestCase()
{
    ProgramResources::load();
    QCoreApplication::installTranslator(&untranslated_);
    DanishTranslations::install(*qApp);
    danish_ = HunspellDictionary::open(HunspellDictionary::systemFolders(), QStringLiteral("da_DK"));
    QVERIFY2(danish_, "the Danish dictionary (Debian package hunspell-da) is missing");
    programWords_ = programWords();

    // A folder for the file dialogs, with a subfolder and files of a few sizes and kinds.
    QVERIFY(QDir(folder_.path()).mkdir(QStringLiteral("Breve")));
    for (const auto &[name, size] :
        { std::pair { "notat.txt", 12 }, { "rapport.rtf", 5000 }, { "stor.txt", 3000000 } }) {
        QFile file(folder_.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(size, 'a'));
    }
    untranslated_.take();
}

QStringList DanishWordsTest::foreignWords(const QList<SeenText> &texts)
{
    QStringList foreign;
    for (const SeenText &seen : texts) {
        for (const QString &word : wordsOf(seen.text)) {
            if (kNames.contains(word) || programWords_.contains(word.toLower()) || danish_->isCorrect(word))
                continue;
            foreign << QStringLiteral("\"%1\" in \"%2\" at %3").arg(word, seen.text.simplified(), seen.where);
        }
    }
    foreign.removeDuplicates();
    return foreign;
}

void DanishWordsTest::programWindowsSpeakDanish()
{
    TestApp app;
    const QString text = app.writeFile(QStringLiteral("brev.txt"), "Kære Ole\n");
    const QString rich = app.writeFile(QStringLiteral("referat.rtf"), "{\\rtf1 K\\'e6re Ole\\par}");
    app.start({ text, rich });
    QTRY_COMPARE(app.frame().documents()->windowsInOrder().size(), 2);

    QList<SeenText> texts;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->inherits("QMenu") && !window->parentWidget())
            continue; // Qt's own leftovers, not the program's
        texts << VisibleTexts::of(window);
    }
    // The walk reaches every window, the hidden tool boxes and the menu book's pages too.
    QSet<QString> shown;
    for (const SeenText &seen : texts)
        shown.insert(seen.text);
    for (const char *caption : { "Information", "Spørgsmål", "Mapper og filer", "Favoritter",
             "Udskriv dokument", "Åbne og lukkede dokumenter", "Åben", "Søg i dokumenter", "Fontnavne",
             "Søg efter mapper og filer", "Filtypeboksen", "Egenskaber", "Genveje", "brev.txt",
             "referat.rtf" })
        QVERIFY2(shown.contains(QString::fromUtf8(caption)), caption);

    const QStringList foreign = foreignWords(texts);
    QVERIFY2(foreign.isEmpty(), qPrintable(u'\n' + foreign.join(u'\n')));
    const QStringList missing = untranslated_.take();
    QVERIFY2(missing.isEmpty(), qPrintable("\nwithout a Danish translation:\n" + missing.join(u'\n')));
}

void DanishWordsTest::qtDialogsSpeakDanish_data()
{
    QTest::addColumn<QString>("kind");
    for (const char *kind : { "open", "save", "folder", "printer", "page set-up", "print preview", "colour",
             "font", "context menus" })
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

void DanishWordsTest::qtDialogsSpeakDanish()
{
    QFETCH(QString, kind);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    std::unique_ptr<QWidget> dialog;
    if (kind == "open" || kind == "save" || kind == "folder") {
        auto *files = new QFileDialog(
            nullptr, QStringLiteral("Åbn"), folder_.path(), QStringLiteral("Alle filtyper (*)"));
        QtFileDialogs::makeDanish(*files);
        if (kind == "save")
            files->setAcceptMode(QFileDialog::AcceptSave);
        if (kind == "folder") {
            files->setFileMode(QFileDialog::Directory);
            files->setOption(QFileDialog::ShowDirsOnly);
        }
        files->setViewMode(QFileDialog::Detail);
        dialog.reset(files);
    } else if (kind == "printer") {
        dialog = std::make_unique<QPrintDialog>(&printer);
    } else if (kind == "page set-up") {
        dialog = std::make_unique<QPageSetupDialog>(&printer);
    } else if (kind == "print preview") {
        dialog = std::make_unique<QPrintPreviewDialog>(&printer);
    } else if (kind == "colour") {
        dialog = std::make_unique<QColorDialog>();
    } else if (kind == "font") {
        dialog = std::make_unique<QFontDialog>();
    } else {
        dialog = std::make_unique<QWidget>();
        QLineEdit line;
        QPlainTextEdit plain;
        QTextEdit rich;
        for (QMenu *menu : { line.createStandardContextMenu(), plain.createStandardContextMenu(),
                 rich.createStandardContextMenu() })
            menu->setParent(dialog.get());
    }
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    if (auto *files = qobject_cast<QFileDialog *>(dialog.get())) {
        auto *list = files->findChild<QAbstractItemView *>(QStringLiteral("treeView"));
        QVERIFY(list);
        QTRY_COMPARE(list->model()->rowCount(list->rootIndex()), kind == "folder" ? 1 : 4);
    }

    const QStringList foreign = foreignWords(VisibleTexts::of(dialog.get()));
    QVERIFY2(foreign.isEmpty(), qPrintable(u'\n' + foreign.join(u'\n')));
    const QStringList missing = untranslated_.take();
    QVERIFY2(missing.isEmpty(), qPrintable("\nwithout a Danish translation:\n" + missing.join(u'\n')));
}

QTEST_MAIN(DanishWordsTest)
#include "tst_DanishWords.moc"
