#include "lists/ReopenList.h"

#include <QtTest>

namespace {

ReopenList listOf(const QStringList &captions)
{
    ReopenList list;
    for (const QString &caption : captions)
        list.append({ caption, QStringLiteral("/sti/") + caption });
    return list;
}

QStringList captionsOf(const ReopenList &list)
{
    QStringList captions;
    for (const TReopenRec &entry : list.entries())
        captions << entry.Caption;
    return captions;
}

} // namespace

class ReopenListTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void samePathFoldsOnlyAtoZ_data();
    void samePathFoldsOnlyAtoZ();
    void sortsByCaptionWithDanishLettersAfterZ_data();
    void sortsByCaptionWithDanishLettersAfterZ();
    void sortingKeepsEachCaptionWithItsPath();
    void sortingFromALaterPositionLeavesTheHeadAlone();
    void movingStopsAtTheEdges();
    void linesBecomeEntries_data();
    void linesBecomeEntries();
};

void ReopenListTest::samePathFoldsOnlyAtoZ_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("same");

    QTest::newRow("equal") << "/home/a/brev.txt"
                           << "/home/a/brev.txt" << true;
    QTest::newRow("a to z in other case") << "/Home/A/BREV.TXT"
                                          << "/home/a/brev.txt" << true;
    QTest::newRow("danish letters in other case") << "/home/Æble.txt"
                                                  << "/home/æble.txt" << false;
    QTest::newRow("å against Å") << "/å"
                                 << "/Å" << false;
    QTest::newRow("accented letters") << "/É"
                                      << "/é" << false;
    QTest::newRow("not normalised") << "/home/a/../a/brev.txt"
                                    << "/home/a/brev.txt" << false;
    QTest::newRow("different length") << "/home/a"
                                      << "/home/ab" << false;
    QTest::newRow("both empty") << ""
                                << "" << true;
    QTest::newRow("punctuation next to letters") << "/a[b"
                                                 << "/A{B" << false;
}

void ReopenListTest::samePathFoldsOnlyAtoZ()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, same);
    QCOMPARE(ReopenList::samePath(a, b), same);
    QCOMPARE(ReopenList::samePath(b, a), same);
}

void ReopenListTest::sortsByCaptionWithDanishLettersAfterZ_data()
{
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QStringList>("sorted");
    QTest::addColumn<bool>("changed");

    QTest::newRow("b C a") << QStringList { "b", "C", "a" } << QStringList { "a", "b", "C" } << true;
    QTest::newRow("a c b") << QStringList { "a", "c", "b" } << QStringList { "a", "b", "c" } << true;
    QTest::newRow("already sorted") << QStringList { "a", "B", "c" } << QStringList { "a", "B", "c" }
                                    << false;
    QTest::newRow("Æble zebra Anker")
        << QStringList { "Æble", "zebra", "Anker" } << QStringList { "Anker", "zebra", "Æble" } << true;
    QTest::newRow("capital Danish letters before small ones") << QStringList { "ø", "å", "Ø", "æ", "Å",
        "Æ" } << QStringList { "Å", "Æ", "Ø", "å", "æ", "ø" } << true;
    QTest::newRow("reversed") << QStringList { "e", "d", "c", "b", "a" }
                              << QStringList { "a", "b", "c", "d", "e" } << true;
    QTest::newRow("prefix first") << QStringList { "brevet", "brev" } << QStringList { "brev", "brevet" }
                                  << true;
    QTest::newRow("one entry") << QStringList { "x" } << QStringList { "x" } << false;
    QTest::newRow("empty") << QStringList {} << QStringList {} << false;
}

void ReopenListTest::sortsByCaptionWithDanishLettersAfterZ()
{
    QFETCH(QStringList, captions);
    QFETCH(QStringList, sorted);
    QFETCH(bool, changed);
    ReopenList list = listOf(captions);
    QCOMPARE(list.sortFrom(0), changed);
    QCOMPARE(captionsOf(list), sorted);
}

void ReopenListTest::sortingKeepsEachCaptionWithItsPath()
{
    ReopenList list = listOf({ "c", "a", "b" });
    list.sortFrom(0);
    for (const TReopenRec &entry : list.entries())
        QCOMPARE(entry.Filnavn, QStringLiteral("/sti/") + entry.Caption);
}

void ReopenListTest::sortingFromALaterPositionLeavesTheHeadAlone()
{
    ReopenList list = listOf({ "z", "c", "a", "b" });
    QVERIFY(list.sortFrom(1));
    QCOMPARE(captionsOf(list), (QStringList { "z", "a", "b", "c" }));
}

void ReopenListTest::movingStopsAtTheEdges()
{
    ReopenList list = listOf({ "a", "b", "c" });
    QVERIFY(!list.flytOp(0));
    QVERIFY(!list.flytNed(2));
    QCOMPARE(captionsOf(list), (QStringList { "a", "b", "c" }));
    QVERIFY(list.flytOp(1));
    QCOMPARE(captionsOf(list), (QStringList { "b", "a", "c" }));
    QVERIFY(list.flytNed(1));
    QCOMPARE(captionsOf(list), (QStringList { "b", "c", "a" }));
}

Q_DECLARE_METATYPE(TItemtype)

void ReopenListTest::linesBecomeEntries_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<TItemtype>("type");
    QTest::addColumn<QStringList>("expected"); // caption, path, caption, path, ...

    // Paths starting with "/findes" exist for the test; others do not.
    QTest::newRow("file list drops a vanished first path") << QStringList { "a.txt", "/væk/a.txt", "b.txt",
        "/findes/b.txt" } << TItemtype::itFil << QStringList { "b.txt", "/findes/b.txt" };
    QTest::newRow("file list drops a caption without path") << QStringList { "b.txt", "/findes/b.txt",
        "c.txt" } << TItemtype::itFil << QStringList { "b.txt", "/findes/b.txt" };
    QTest::newRow("other list keeps a caption without path")
        << QStringList { "a", "/væk/a", "b" } << TItemtype::itAndet << QStringList { "a", "/væk/a", "b", "" };
    QTest::newRow("folder list keeps vanished folders")
        << QStringList { "a", "/væk/a" } << TItemtype::itBibliotek << QStringList { "a", "/væk/a" };
    QTest::newRow("duplicates stay") << QStringList { "a", "/findes/a", "a", "/findes/a" } << TItemtype::itFil
                                     << QStringList { "a", "/findes/a", "a", "/findes/a" };
    QTest::newRow("no lines") << QStringList {} << TItemtype::itFil << QStringList {};
}

void ReopenListTest::linesBecomeEntries()
{
    QFETCH(QStringList, lines);
    QFETCH(TItemtype, type);
    QFETCH(QStringList, expected);
    const QList<TReopenRec> entries = ReopenList::fromLines(
        lines, type, [](const QString &path) { return path.startsWith(QLatin1String("/findes")); });
    ReopenList list;
    list.replaceAll(entries);
    QCOMPARE(list.toLines(), expected);
}

QTEST_GUILESS_MAIN(ReopenListTest)
#include "tst_ReopenList.moc"
