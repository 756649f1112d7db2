#include "search/FileTypeList.h"

#include <QtTest>

class FileTypeListTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void standardListOffersElevenTypes();
    void linesRoundTrip();
    void linesThreeAtATime_data();
    void linesThreeAtATime();
    void typedMasks_data();
    void typedMasks();
};

void FileTypeListTest::standardListOffersElevenTypes()
{
    const QList<FileTypeEntry> standard = FileTypeList::standard();
    QCOMPARE(standard.size(), 12);
    QCOMPARE(standard.last(), (FileTypeEntry { "Power Shell", "*.ps1", false }));
    const QList<FileTypeList::Choice> choices = FileTypeList::choices(standard);
    QCOMPARE(choices.size(), 11);
    QCOMPARE(choices.first().text, QStringLiteral("Tekstfil (*.txt)"));
    QCOMPARE(choices.first().mask, QStringLiteral("*.txt"));
    QCOMPARE(choices.last().text, QStringLiteral("Batch (*.bat)"));
}

void FileTypeListTest::linesRoundTrip()
{
    const QStringList lines = FileTypeList::toLines(FileTypeList::standard());
    QCOMPARE(lines.mid(0, 6), (QStringList { "Tekstfil", "*.txt", "1", "Rich Text", "*.rtf", "1" }));
    QCOMPARE(lines.mid(33), (QStringList { "Power Shell", "*.ps1", "0" }));
    QCOMPARE(FileTypeList::fromLines(lines), FileTypeList::standard());
}

void FileTypeListTest::linesThreeAtATime_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QList<FileTypeEntry>>("entries");

    QTest::newRow("empty") << QStringList {} << QList<FileTypeEntry> {};
    QTest::newRow("incomplete last group is ignored") << QStringList { "Log", "*.log", "1", "Halv", "*.h" }
                                                      << QList<FileTypeEntry> { { "Log", "*.log", true } };
    QTest::newRow("anything but 1 is not ticked") << QStringList { "A", "*.a", "ja", "B", "*.b",
        " 1" } << QList<FileTypeEntry> { { "A", "*.a", false }, { "B", "*.b", false } };
}

void FileTypeListTest::linesThreeAtATime()
{
    QFETCH(QStringList, lines);
    QFETCH(QList<FileTypeEntry>, entries);
    QCOMPARE(FileTypeList::fromLines(lines), entries);
}

void FileTypeListTest::typedMasks_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("mask");

    QTest::newRow("bare extension") << "txt"
                                    << "*.txt";
    QTest::newRow("leading dot") << ".log"
                                 << "*.log";
    QTest::newRow("already a mask") << "*.txt"
                                    << "*.txt";
    QTest::newRow("a name with a dot") << "a.b"
                                       << "*.b";
    QTest::newRow("every file stays") << "*.*"
                                      << "*.*";
    QTest::newRow("letter case stays") << "TXT"
                                       << "*.TXT";
}

void FileTypeListTest::typedMasks()
{
    QFETCH(QString, typed);
    QFETCH(QString, mask);
    QCOMPARE(FileTypeList::maskFromTyped(typed), mask);
}

QTEST_GUILESS_MAIN(FileTypeListTest)
#include "tst_FileTypeList.moc"
