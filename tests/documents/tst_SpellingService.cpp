#include "app/FileMessages.h"
#include "documents/spelling/HunspellDictionary.h"
#include "documents/spelling/SpellingService.h"

#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {

bool misspelt(SpellingService &spelling, const QString &text)
{
    const auto words = WordFinder::words(text);
    return std::any_of(words.begin(), words.end(),
        [&](const WordFinder::Word &word) { return spelling.isMisspelt(text, word); });
}

} // namespace

class SpellingServiceTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void danishWords_data();
    void danishWords();
    void suggestionsForAMisspeltWord();
    void addedWordsPersistInTheSettingsFolder();
    void ignoredWordsCountForThisRunOnly();
    void withoutDictionaryNothingIsMarked();
    void unreadableWordListIsNeverWrittenOver();
    void dictionaryInAnotherCharacterSet();

private:
    QString wordsPath() const { return dir_.filePath(QStringLiteral("Egenskaber/Brugerordbog.txt")); }
    QTemporaryDir dir_;
};

void SpellingServiceTest::initTestCase()
{
    QVERIFY(QDir(dir_.path()).mkpath(QStringLiteral("Egenskaber")));
    if (!HunspellDictionary::open(HunspellDictionary::systemFolders(), QStringLiteral("da_DK")))
        QFAIL("the Danish dictionary (hunspell-da) is not installed");
}

void SpellingServiceTest::danishWords_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("misspelt");

    QTest::newRow("correct sentence") << QStringLiteral("Rødgrød med fløde er en dansk dessert.") << false;
    QTest::newRow("misspelt word") << QStringLiteral("Jeg har en hsu") << true;
    QTest::newRow("abbreviation with full stop") << QStringLiteral("f.eks. bl.a.") << false;
    QTest::newRow("capitals only are codes") << QStringLiteral("XQZT") << false;
    QTest::newRow("words with digits are skipped") << QStringLiteral("abc123") << false;
    QTest::newRow("compound with hyphen") << QStringLiteral("e-mail") << false;
}

void SpellingServiceTest::danishWords()
{
    QFETCH(QString, text);
    QFETCH(bool, misspelt);
    SpellingService spelling(HunspellDictionary::systemFolders(), wordsPath());
    QVERIFY(spelling.isAvailable());
    QCOMPARE(::misspelt(spelling, text), misspelt);
}

void SpellingServiceTest::suggestionsForAMisspeltWord()
{
    SpellingService spelling(HunspellDictionary::systemFolders(), wordsPath());
    QVERIFY(spelling.suggestions(QStringLiteral("flødé")).contains(QStringLiteral("fløde")));
}

void SpellingServiceTest::addedWordsPersistInTheSettingsFolder()
{
    QFile::remove(wordsPath());
    {
        SpellingService spelling(HunspellDictionary::systemFolders(), wordsPath());
        QSignalSpy changed(&spelling, &SpellingService::wordsChanged);
        QVERIFY(misspelt(spelling, QStringLiteral("Skrivoraøk")));
        QCOMPARE(spelling.addWord(QStringLiteral("Skrivoraøk")), QString());
        QCOMPARE(changed.count(), 1);
        QVERIFY(!misspelt(spelling, QStringLiteral("Skrivoraøk")));
        QCOMPARE(spelling.addWord(QStringLiteral("Blåbærtærtefabrikøk")), QString());
    }
    QFile file(wordsPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(),
        QByteArray("Skrivora\xC3\xB8k\r\nBl\xC3\xA5"
                   "b\xC3\xA6rt\xC3\xA6rtefabrik\xC3\xB8k\r\n"));

    SpellingService again(HunspellDictionary::systemFolders(), wordsPath());
    QVERIFY(!misspelt(again, QStringLiteral("Skrivoraøk")));
    QCOMPARE(again.userWords().size(), 2);
}

void SpellingServiceTest::ignoredWordsCountForThisRunOnly()
{
    QFile::remove(wordsPath());
    {
        SpellingService spelling(HunspellDictionary::systemFolders(), wordsPath());
        spelling.ignore(QStringLiteral("hsu"));
        QVERIFY(!misspelt(spelling, QStringLiteral("hsu")));
    }
    QVERIFY(!QFile::exists(wordsPath()));
    SpellingService again(HunspellDictionary::systemFolders(), wordsPath());
    QVERIFY(misspelt(again, QStringLiteral("hsu")));
}

void SpellingServiceTest::withoutDictionaryNothingIsMarked()
{
    QTemporaryDir empty;
    SpellingService spelling({ empty.path() }, wordsPath());
    QVERIFY(!spelling.isAvailable());
    QVERIFY(!misspelt(spelling, QStringLiteral("hsu xqzt")));
    QVERIFY(spelling.suggestions(QStringLiteral("hsu")).isEmpty());
}

void SpellingServiceTest::unreadableWordListIsNeverWrittenOver()
{
    // A folder where the word list should be cannot be read; adding a word must not replace it.
    QTemporaryDir settings;
    const QString path = settings.filePath(QStringLiteral("Brugerordbog.txt"));
    QVERIFY(QDir().mkpath(path));
    SpellingService spelling(HunspellDictionary::systemFolders(), path);
    const QString message = spelling.addWord(QStringLiteral("Skrivoraøk"));
    QCOMPARE(message, FileMessages::writeFailure(path, QStringLiteral("Navnet er en mappe, ikke en fil.")));
    QVERIFY(QFileInfo(path).isDir());
    QVERIFY(!misspelt(spelling, QStringLiteral("Skrivoraøk")));
}

void SpellingServiceTest::dictionaryInAnotherCharacterSet()
{
    // A dictionary whose SET line names ISO8859-1 gets its words in that set.
    QTemporaryDir folder;
    QFile aff(folder.filePath(QStringLiteral("da_DK.aff")));
    QVERIFY(aff.open(QIODevice::WriteOnly));
    aff.write("SET ISO8859-1\nTRY abcdefghijklmnopqrstuvwxyz\xE6\xF8\xE5\n");
    aff.close();
    QFile dic(folder.filePath(QStringLiteral("da_DK.dic")));
    QVERIFY(dic.open(QIODevice::WriteOnly));
    dic.write("2\nbl\xE5\ngr\xF8n\n");
    dic.close();

    auto dictionary = HunspellDictionary::open({ folder.path() }, QStringLiteral("da_DK"));
    QVERIFY(dictionary);
    QVERIFY(dictionary->isCorrect(QStringLiteral("blå")));
    QVERIFY(!dictionary->isCorrect(QStringLiteral("blæ")));
    QVERIFY(dictionary->suggestions(QStringLiteral("grøm")).contains(QStringLiteral("grøn")));
    QVERIFY(dictionary->isCorrect(QStringLiteral("€uro")));
}

QTEST_GUILESS_MAIN(SpellingServiceTest)
#include "tst_SpellingService.moc"
