// The web search addresses: exactly the user's text reaches the search, whatever it holds.
#include "app/WebSearch.h"

#include <QUrl>
#include <QUrlQuery>
#include <QtTest>

Q_DECLARE_METATYPE(WebSearch::Engine)

class tst_WebSearch : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theSearchGetsExactlyTheText_data();
    void theSearchGetsExactlyTheText();
    void eachEngineHasItsAddressAndKey_data();
    void eachEngineHasItsAddressAndKey();
};

void tst_WebSearch::theSearchGetsExactlyTheText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("searched");
    QTest::addColumn<QString>("encoded");
    QTest::newRow("one word") << "hus"
                              << "hus"
                              << "hus";
    QTest::newRow("spaces") << "rødgrød med fløde"
                            << "rødgrød med fløde"
                            << "r%C3%B8dgr%C3%B8d%20med%20fl%C3%B8de";
    QTest::newRow("ampersand and hash") << "C# & Java"
                                        << "C# & Java"
                                        << "C%23%20%26%20Java";
    QTest::newRow("a parameter of its own") << "ost&x=1"
                                            << "ost&x=1"
                                            << "ost%26x%3D1";
    QTest::newRow("plus") << "1+1"
                          << "1+1"
                          << "1%2B1";
    QTest::newRow("percent") << "100% %41"
                             << "100% %41"
                             << "100%25%20%2541";
    QTest::newRow("danish letters") << "æøå ÆØÅ"
                                    << "æøå ÆØÅ"
                                    << "%C3%A6%C3%B8%C3%A5%20%C3%86%C3%98%C3%85";
    QTest::newRow("line breaks") << "første\nanden"
                                 << "første\nanden"
                                 << "f%C3%B8rste%0Aanden";
    QTest::newRow("paragraphs of a selection") << QStringLiteral("et\u2029to") << "et\nto"
                                               << "et%0Ato";
    QTest::newRow("address characters") << "a/b?c=d;e"
                                        << "a/b?c=d;e"
                                        << "a%2Fb%3Fc%3Dd%3Be";
    QTest::newRow("outside the basic plane")
        << QStringLiteral("smil 😀") << QStringLiteral("smil 😀") << "smil%20%F0%9F%98%80";
}

void tst_WebSearch::theSearchGetsExactlyTheText()
{
    QFETCH(QString, text);
    QFETCH(QString, searched);
    QFETCH(QString, encoded);
    const QString address = WebSearch::address(WebSearch::Engine::Google, text);
    QCOMPARE(address, QStringLiteral("https://www.google.com/search?q=") + encoded);

    // Read back as the desktop reads the address it is handed.
    const QUrl url = QUrl::fromUserInput(address);
    QVERIFY(url.isValid());
    QCOMPARE(url.host(), QStringLiteral("www.google.com"));
    const QUrlQuery query(url);
    QCOMPARE(query.queryItems(QUrl::FullyDecoded).size(), 1);
    QCOMPARE(query.queryItemValue(QStringLiteral("q"), QUrl::FullyDecoded), searched);
}

void tst_WebSearch::eachEngineHasItsAddressAndKey_data()
{
    QTest::addColumn<WebSearch::Engine>("engine");
    QTest::addColumn<QString>("address");
    QTest::newRow("google") << WebSearch::Engine::Google << "https://www.google.com/search?q=Ord%20bog";
    QTest::newRow("bing") << WebSearch::Engine::Bing << "https://www.bing.com/search?q=Ord%20bog";
    QTest::newRow("youtube") << WebSearch::Engine::YouTube
                             << "https://www.youtube.com/results?search_query=Ord%20bog";
}

void tst_WebSearch::eachEngineHasItsAddressAndKey()
{
    QFETCH(WebSearch::Engine, engine);
    QFETCH(QString, address);
    QCOMPARE(WebSearch::address(engine, QStringLiteral("Ord bog")), address);
}

QTEST_GUILESS_MAIN(tst_WebSearch)
#include "tst_WebSearch.moc"
