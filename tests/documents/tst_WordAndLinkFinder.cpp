#include "documents/links/LinkFinder.h"
#include "documents/spelling/WordFinder.h"

#include <QtTest>

class WordAndLinkFinderTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void wordsAsTheSpellCheckerSeesThem_data();
    void wordsAsTheSpellCheckerSeesThem();
    void wordAtTheCaret();
    void addressesInText_data();
    void addressesInText();
    void linkAtAPosition();
};

void WordAndLinkFinderTest::wordsAsTheSpellCheckerSeesThem_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("words");

    QTest::newRow("danish letters") << QStringLiteral("Rødgrød med fløde på Ærø")
                                    << QStringList { "Rødgrød", "med", "fløde", "på", "Ærø" };
    QTest::newRow("hyphen joins") << QStringLiteral("Ærø-færge og e-mail")
                                  << QStringList { "Ærø-færge", "og", "e-mail" };
    QTest::newRow("full stop inside joins, after does not")
        << QStringLiteral("bl.a. f.eks. slut.") << QStringList { "bl.a", "f.eks", "slut" };
    QTest::newRow("dash between spaces") << QStringLiteral("ja - nej") << QStringList { "ja", "nej" };
    QTest::newRow("apostrophe") << QStringLiteral("Jens' bil") << QStringList { "Jens", "bil" };
    QTest::newRow("digits are part of words")
        << QStringLiteral("A4-papir 2026") << QStringList { "A4-papir", "2026" };
    QTest::newRow("empty") << QString() << QStringList {};
}

void WordAndLinkFinderTest::wordsAsTheSpellCheckerSeesThem()
{
    QFETCH(QString, text);
    QFETCH(QStringList, words);
    QStringList found;
    for (const WordFinder::Word &word : WordFinder::words(text))
        found.append(text.mid(word.start, word.length));
    QCOMPARE(found, words);
}

void WordAndLinkFinderTest::wordAtTheCaret()
{
    const QString text = QStringLiteral("to ord");
    QCOMPARE(WordFinder::wordAt(text, 0), std::optional(WordFinder::Word { 0, 2 }));
    QCOMPARE(WordFinder::wordAt(text, 2), std::optional(WordFinder::Word { 0, 2 }));
    QCOMPARE(WordFinder::wordAt(text, 3), std::optional(WordFinder::Word { 3, 3 }));
    QCOMPARE(WordFinder::wordAt(QStringLiteral("a  b"), 2), std::nullopt);
}

void WordAndLinkFinderTest::addressesInText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("addresses");

    QTest::newRow("https") << QStringLiteral("Se https://example.dk/side?a=1&b=2 nu")
                           << QStringList { "https://example.dk/side?a=1&b=2" };
    QTest::newRow("www without scheme") << QStringLiteral("Gå til www.dr.dk.") << QStringList { "www.dr.dk" };
    QTest::newRow("sentence punctuation stays outside") << QStringLiteral(
        "(se http://a.dk/x), eller ftp://f.dk!") << QStringList { "http://a.dk/x", "ftp://f.dk" };
    QTest::newRow("brackets inside the address stay")
        << QStringLiteral("https://da.wikipedia.org/wiki/Ærø_(ø) er fin")
        << QStringList { "https://da.wikipedia.org/wiki/Ærø_(ø)" };
    QTest::newRow("mailto and file") << QStringLiteral("mailto:a@b.dk file:///tmp/x.txt")
                                     << QStringList { "mailto:a@b.dk", "file:///tmp/x.txt" };
    QTest::newRow("scheme alone is no address") << QStringLiteral("https:// og www.") << QStringList {};
    QTest::newRow("not inside a word") << QStringLiteral("xwww.dk kl. 10:30") << QStringList {};
    QTest::newRow("capitals") << QStringLiteral("HTTP://EXAMPLE.DK") << QStringList { "HTTP://EXAMPLE.DK" };
}

void WordAndLinkFinderTest::addressesInText()
{
    QFETCH(QString, text);
    QFETCH(QStringList, addresses);
    QStringList found;
    for (const LinkFinder::Link &link : LinkFinder::links(text)) {
        QCOMPARE(text.mid(link.start, link.length), link.address);
        found.append(link.address);
    }
    QCOMPARE(found, addresses);
}

void WordAndLinkFinderTest::linkAtAPosition()
{
    const QString text = QStringLiteral("ab www.dr.dk cd");
    QVERIFY(!LinkFinder::linkAt(text, 2));
    QCOMPARE(LinkFinder::linkAt(text, 3)->address, QStringLiteral("www.dr.dk"));
    QCOMPARE(LinkFinder::linkAt(text, 11)->address, QStringLiteral("www.dr.dk"));
    QVERIFY(!LinkFinder::linkAt(text, 12));
}

QTEST_GUILESS_MAIN(WordAndLinkFinderTest)
#include "tst_WordAndLinkFinder.moc"
