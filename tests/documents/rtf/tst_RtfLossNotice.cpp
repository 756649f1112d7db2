#include "documents/rtf/RtfLossNotice.h"

#include <QtTest>

// The texts a window shows for what an RTF file held that the document cannot keep.
class RtfLossNoticeTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void namesEachKind_data();
    void namesEachKind();
    void saysNothingWhenNothingIsLost();
};

void RtfLossNoticeTest::namesEachKind_data()
{
    QTest::addColumn<int>("losses");
    QTest::addColumn<QString>("lines"); // the listed kinds, as shown

    QTest::newRow("headers and footers")
        << int(RtfLoss::HeadersAndFooters) << u"\r- Sidehoveder og sidefødder."_qs;
    QTest::newRow("footnotes") << int(RtfLoss::Footnotes) << u"\r- Fodnoter og slutnoter."_qs;
    QTest::newRow("comments") << int(RtfLoss::Comments) << u"\r- Kommentarer."_qs;
    QTest::newRow("hidden text") << int(RtfLoss::HiddenText) << u"\r- Skjult tekst."_qs;
    QTest::newRow("index entries") << int(RtfLoss::IndexEntries)
                                   << u"\r- Mærker til stikordsregister og indholdsfortegnelse."_qs;
    QTest::newRow("fields")
        << int(RtfLoss::Fields)
        << u"\r- Felter som sidetal, datoer og indholdsfortegnelser; kun deres tekst vises."_qs;
    QTest::newRow("objects")
        << int(RtfLoss::Objects)
        << u"\r- Indlejrede objekter, figurer og tekstfelter; kun deres billede eller tekst vises."_qs;
    QTest::newRow("damage first, then the rest in reading order")
        << int(RtfLoss::Comments | RtfLoss::Damage | RtfLoss::HeadersAndFooters)
        << u"\r- Filen er beskadiget eller afkortet; kun det, der kunne læses, vises."
           "\r- Sidehoveder og sidefødder.\r- Kommentarer."_qs;
}

void RtfLossNoticeTest::namesEachKind()
{
    QFETCH(int, losses);
    QFETCH(QString, lines);

    const RtfLosses kinds = RtfLosses::fromInt(losses);
    QCOMPARE(RtfLossNotice::onOpen(kinds, u"/hjem/ole/Referat.rtf"_qs),
        u"Dokumentet \"Referat.rtf\" indeholder noget, som ikke kan vises eller gemmes her:"_qs + lines
            + u"\rGemmer du over filen, forsvinder det fra den. Brug \"Gem som\" for at beholde originalen."_qs);
    QCOMPARE(RtfLossNotice::beforeSaveOver(kinds, u"/hjem/ole/Referat.rtf"_qs),
        u"Hvis du gemmer over \"Referat.rtf\", forsvinder dette fra filen:"_qs + lines
            + u"\rVil du gemme alligevel?\rVælg Nej og brug \"Gem som\" for at beholde den oprindelige fil."_qs);
}

void RtfLossNoticeTest::saysNothingWhenNothingIsLost()
{
    QVERIFY(RtfLossNotice::onOpen({}, u"a.rtf"_qs).isEmpty());
    QVERIFY(RtfLossNotice::beforeSaveOver({}, u"a.rtf"_qs).isEmpty());
}

QTEST_GUILESS_MAIN(RtfLossNoticeTest)
#include "tst_RtfLossNotice.moc"
