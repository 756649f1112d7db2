#include "options/TFontnavne.h"
#include "options/Tboksform.h"
#include "support/TestApp.h"

#include <QAction>
#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

namespace {

void selectRows(QListWidget *list, const QList<int> &rows)
{
    list->clearSelection();
    for (int row : rows)
        list->item(row)->setSelected(true);
    if (!rows.isEmpty())
        list->setCurrentRow(rows.first(), QItemSelectionModel::NoUpdate);
}

void clickItem(QListWidget *list, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, rect.center());
}

QStringList selectedNames(const QListWidget *list)
{
    QStringList names;
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->isSelected())
            names << list->item(row)->text();
    }
    return names;
}

// A copy of an installed font whose family name begins with the at sign, as the vertically set variants
// of East Asian fonts are named. The name is changed in place, byte for byte, in the font's name table.
QByteArray fontNamedWithAtSign(const QString &installedFile, const QString &family)
{
    QFile file(installedFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.readAll();
    QByteArray utf16;
    for (const QChar c : family) {
        utf16 += char(0);
        utf16 += char(c.unicode());
    }
    QByteArray atUtf16 = utf16;
    atUtf16[1] = '@';
    QByteArray plain = family.toLatin1();
    QByteArray atPlain = plain;
    atPlain[0] = '@';
    bytes.replace(utf16, atUtf16);
    bytes.replace(plain, atPlain);
    return bytes;
}

// A copy of an installed font made by another foundry: its vendor id in the OS/2 table is changed, so the
// font database lists the family twice, each with its foundry's tag.
QByteArray fontFromAnotherFoundry(const QString &installedFile)
{
    QFile file(installedFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.readAll();
    const auto u16 = [&bytes](int at) { return (uchar(bytes[at]) << 8) | uchar(bytes[at + 1]); };
    const auto u32 = [&bytes, &u16](int at) { return (u16(at) << 16) | u16(at + 2); };
    const int tables = u16(4);
    for (int i = 0; i < tables; ++i) {
        const int entry = 12 + 16 * i;
        if (bytes.mid(entry, 4) == "OS/2") {
            constexpr int kVendorId = 58;
            bytes.replace(u32(entry + 8) + kVendorId, 4, "SKRV");
            return bytes;
        }
    }
    return {};
}

} // namespace

class TboksformTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void moveUpAndDown_data();
    void moveUpAndDown();
    void moveCommandsNeedTwoNamesAndOneSelected_data();
    void moveCommandsNeedTwoNamesAndOneSelected();
    void selectedNamesGoToStockInOrder();
    void allNamesMoveBothWays();
    void removeTakesEverySelectedName();
    void sortIgnoresCase();
    void insertAddsChosenInstalledFontAgainAndAgain();
    void namesBeginningWithAtSignNeverOffered();
    void eachTypefaceOnceByItsPlainName();
    void previewShowsNameInItsFont();
    void heightFromSettingsFile_data();
    void heightFromSettingsFile();
    void everyWayOfClosingWritesHeight_data();
    void everyWayOfClosingWritesHeight();
};

void TboksformTest::moveUpAndDown_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QStringList>("result");
    QTest::addColumn<QString>("selected");
    QTest::newRow("up from the middle") << 1 << true << QStringList { "B", "A", "C" } << "B";
    QTest::newRow("up from the top turns round") << 0 << true << QStringList { "B", "C", "A" } << "A";
    QTest::newRow("down from the middle") << 1 << false << QStringList { "A", "C", "B" } << "B";
    QTest::newRow("down from the bottom turns round") << 2 << false << QStringList { "C", "A", "B" } << "C";
}

void TboksformTest::moveUpAndDown()
{
    QFETCH(int, row);
    QFETCH(bool, up);
    QFETCH(QStringList, result);
    QFETCH(QString, selected);
    TestApp app;
    app.create();
    Tboksform &box = *app.context.boksform;
    Tboksform::setNames(box.Box, { "A", "B", "C" });
    selectRows(box.Box, { row });

    (up ? box.flytOp : box.flytNed)->click();
    QCOMPARE(Tboksform::names(box.Box), result);
    QCOMPARE(selectedNames(box.Box), QStringList { selected });
}

void TboksformTest::moveCommandsNeedTwoNamesAndOneSelected_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<int>>("selectedRows");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("one name") << QStringList { "A" } << QList<int> { 0 } << false;
    QTest::newRow("none selected") << QStringList { "A", "B" } << QList<int> {} << false;
    QTest::newRow("two selected") << QStringList { "A", "B", "C" } << QList<int> { 0, 2 } << false;
    QTest::newRow("one of two selected") << QStringList { "A", "B" } << QList<int> { 1 } << true;
}

void TboksformTest::moveCommandsNeedTwoNamesAndOneSelected()
{
    QFETCH(QStringList, names);
    QFETCH(QList<int>, selectedRows);
    QFETCH(bool, enabled);
    TestApp app;
    app.create();
    Tboksform &box = *app.context.boksform;
    Tboksform::setNames(box.Box, names);
    selectRows(box.Box, selectedRows);
    QCOMPARE(box.flytOp->isEnabled(), enabled);
    QCOMPARE(box.flytNed->isEnabled(), enabled);
}

void TboksformTest::selectedNamesGoToStockInOrder()
{
    TestApp app;
    app.create();
    Tboksform &box = *app.context.boksform;
    Tboksform::setNames(box.Box, { "Arial", "Calibri", "Tahoma", "Verdana" });
    Tboksform::setNames(box.lagerBox, { "Garamond" });
    box.showCount();
    QCOMPARE(box.fontAntalLabel->text(), QStringLiteral("Der er valgt 4 antal fonte"));
    QVERIFY(!box.tilLagerValgte->isEnabled());

    selectRows(box.Box, { 3, 1 });
    QVERIFY(box.tilLagerValgte->isEnabled());
    box.tilLagerValgte->click();
    QCOMPARE(Tboksform::names(box.Box), QStringList({ "Arial", "Tahoma" }));
    QCOMPARE(Tboksform::names(box.lagerBox), QStringList({ "Garamond", "Calibri", "Verdana" }));
    QCOMPARE(box.fontAntalLabel->text(), QStringLiteral("Der er valgt 2 antal fonte"));

    selectRows(box.lagerBox, { 0 });
    box.tilbageValgte->click();
    QCOMPARE(Tboksform::names(box.Box), QStringList({ "Arial", "Tahoma", "Garamond" }));
    QCOMPARE(box.fontAntalLabel->text(), QStringLiteral("Der er valgt 3 antal fonte"));
}

void TboksformTest::allNamesMoveBothWays()
{
    TestApp app;
    app.create();
    Tboksform &box = *app.context.boksform;
    Tboksform::setNames(box.Box, { "A", "B" });
    Tboksform::setNames(box.lagerBox, { "C" });
    box.updateActions();

    box.tilLagerAlle->click();
    QCOMPARE(Tboksform::names(box.lagerBox), QStringList({ "C", "A", "B" }));
    QVERIFY(!box.tilLagerAlle->isEnabled());
    QCOMPARE(box.fontAntalLabel->text(), QStringLiteral("Der er valgt 0 antal fonte"));

    box.tilbageAlle->click();
    QCOMPARE(Tboksform::names(box.Box), QStringList({ "C", "A", "B" }));
    QVERIFY(!box.tilbageAlle->isEnabled());
}

void TboksformTest::removeTakesEverySelectedName()
{
    TestApp app;
    app.create();
    Tboksform &box = *app.context.boksform;
    Tboksform::setNames(box.Box, { "A", "B", "C", "B" });
    box.updateActions();
    QVERIFY(!box.SpeedButton1->isEnabled());
    QCOMPARE(box.SpeedButton1->text(), QStringLiteral("Fjern"));

    selectRows(box.Box, { 1, 2 });
    box.SpeedButton1->click();
    QCOMPARE(Tboksform::names(box.Box), QStringList({ "A", "B" }));
    QCOMPARE(box.fontAntalLabel->text(), QStringLiteral("Der er valgt 2 antal fonte"));
}

void TboksformTest::sortIgnoresCase()
{
    TestApp app;
    app.create();
    Tboksform &box = *app.context.boksform;
    Tboksform::setNames(box.Box, { "verdana", "Arial", "Times New Roman", "calibri" });
    Tboksform::setNames(box.lagerBox, { "b", "A" });
    box.gemKnap->click();
    QCOMPARE(Tboksform::names(box.Box), QStringList({ "Arial", "calibri", "Times New Roman", "verdana" }));
    QCOMPARE(Tboksform::names(box.lagerBox), QStringList({ "A", "b" }));

    // Later additions go to the end again.
    Tboksform::setNames(box.lagerBox, { "Aharoni" });
    selectRows(box.lagerBox, { 0 });
    box.tilbageValgte->click();
    QCOMPARE(Tboksform::names(box.Box).last(), QStringLiteral("Aharoni"));
}

void TboksformTest::insertAddsChosenInstalledFontAgainAndAgain()
{
    TestApp app;
    app.create();
    Tboksform &box = *app.context.boksform;
    Tboksform::setNames(box.Box, {});
    QVERIFY(!box.indsertFontButton->isEnabled());
    QCOMPARE(box.fontBox->lineEdit()->placeholderText(), QStringLiteral("Hent fontnavne"));
    QCOMPARE(box.fontBox->count(), 0);

    box.getFontnamesButton->click();
    QVERIFY(!box.getFontnamesButton->isEnabled());
    QVERIFY(box.fontBox->count() > 0);
    QCOMPARE(box.fontBox->currentIndex(), 0);
    const QString first = box.fontBox->itemText(0);

    QVERIFY(box.indsertFontButton->isEnabled());
    box.indsertFontButton->click();
    QCOMPARE(Tboksform::names(box.Box), QStringList { first });
    QVERIFY(!box.indsertFontButton->isEnabled());
    QCOMPARE(box.fontAntalLabel->text(), QStringLiteral("Der er valgt 1 antal fonte"));

    const int liberation = box.fontBox->findText(QStringLiteral("Liberation Sans"));
    QVERIFY2(liberation >= 0, "fonts-liberation is installed by the Makefile");
    box.fontBox->setCurrentIndex(liberation);
    QVERIFY(box.indsertFontButton->isEnabled());
    box.indsertFontButton->click();
    box.fontBox->setEditText(QStringLiteral("liberation sans")); // typed, in other letter case
    box.indsertFontButton->click();
    QCOMPARE(Tboksform::names(box.Box), QStringList({ first, "Liberation Sans", "Liberation Sans" }));

    box.fontBox->setEditText(QStringLiteral("Ingen sådan skrift"));
    QVERIFY(box.indsertFontButton->isEnabled());
    box.indsertFontButton->click();
    QCOMPARE(box.Box->count(), 3);
}

void TboksformTest::namesBeginningWithAtSignNeverOffered()
{
    const QString source = QStringLiteral("/usr/share/fonts/truetype/liberation/LiberationSerif-Regular.ttf");
    const QByteArray atFont = fontNamedWithAtSign(source, QStringLiteral("Liberation Serif"));
    QVERIFY2(!atFont.isEmpty(), "fonts-liberation is installed by the Makefile");
    const int id = QFontDatabase::addApplicationFontFromData(atFont);
    QVERIFY(id >= 0);
    QVERIFY(QFontDatabase::families().contains(QStringLiteral("@iberation Serif")));

    TFontnavne fonts;
    fonts.addItem(QStringLiteral("Zzz kept"));
    fonts.GetFontNames();
    QStringList names;
    for (int i = 0; i < fonts.count(); ++i)
        names << fonts.itemText(i);
    QVERIFY(!names.isEmpty());
    for (const QString &name : names)
        QVERIFY2(!name.startsWith(u'@'), qPrintable(name));
    QVERIFY(names.contains(QStringLiteral("Zzz kept"))); // items already there stay
    QVERIFY(names.contains(QStringLiteral("Liberation Serif")));
    QStringList sorted = names;
    std::sort(sorted.begin(), sorted.end(),
        [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    QCOMPARE(names, sorted);
    QFontDatabase::removeApplicationFont(id);
}

// Typefaces made by two foundries were listed twice with tags ("Nimbus Sans [urw]"), and the tags ended up
// in fontBox.txt and the documents' font boxes.
void TboksformTest::eachTypefaceOnceByItsPlainName()
{
    const QByteArray copy = fontFromAnotherFoundry(
        QStringLiteral("/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf"));
    QVERIFY2(!copy.isEmpty(), "fonts-liberation is installed by the Makefile");
    const int id = QFontDatabase::addApplicationFontFromData(copy);
    QVERIFY(id >= 0);
    const QStringList families = QFontDatabase::families();
    if (!std::any_of(families.begin(), families.end(), [](const QString &f) { return f.contains(u'['); }))
        QSKIP("this font database does not tell foundries apart");

    TFontnavne fonts;
    fonts.GetFontNames();
    QStringList names;
    for (int i = 0; i < fonts.count(); ++i)
        names << fonts.itemText(i);
    QCOMPARE(names.count(QStringLiteral("Liberation Sans")), 1);
    for (const QString &name : names)
        QVERIFY2(!name.contains(u'['), qPrintable(name));
    QFontDatabase::removeApplicationFont(id);
}

void TboksformTest::previewShowsNameInItsFont()
{
    TestApp app;
    app.create();
    Tboksform &box = *app.context.boksform;
    QCOMPARE(box.Memo->toPlainText(), QStringLiteral("Dette er skrevet med følgende font:\nSegoe UI"));
    QCOMPARE(box.fontAntalLabel->text(), QStringLiteral("Du har valgt 0 fonte"));
    Tboksform::setNames(box.Box, { "Arial", "Times New Roman" });
    Tboksform::setNames(box.lagerBox, { "Courier New" });
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));

    clickItem(box.Box, 1);
    QCOMPARE(box.Memo->toPlainText(), QStringLiteral("Fontnavn:\nTimes New Roman"));
    QCOMPARE(box.Memo->font().family(), QStringLiteral("Times New Roman"));

    clickItem(box.lagerBox, 0);
    QCOMPARE(box.Memo->toPlainText(), QStringLiteral("Fontnavn:\nCourier New"));

    clickItem(box.Box, 0, Qt::ControlModifier); // now two names of Box are selected
    QCOMPARE(selectedNames(box.Box).size(), 2);
    QCOMPARE(box.Memo->toPlainText(), QStringLiteral("Fontnavn:\nCourier New"));
    box.hide();
}

void TboksformTest::heightFromSettingsFile_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("height");
    QTest::newRow("missing") << QByteArray() << 480;
    QTest::newRow("one line") << QByteArray("520\r\n") << 520;
    QTest::newRow("two lines") << QByteArray("520\r\n600\r\n") << Tboksform::kHeight;
    QTest::newRow("no number") << QByteArray("høj\r\n") << Tboksform::kHeight;
}

void TboksformTest::heightFromSettingsFile()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, height);
    TestApp app;
    if (!stored.isNull())
        app.writeSettingsFile(QStringLiteral("boks.txt"), stored);
    app.create();
    QCOMPARE(app.context.boksform->height(), height);
}

void TboksformTest::everyWayOfClosingWritesHeight_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<int>("result");
    QTest::newRow("Gem og luk") << "ok" << int(QDialog::Accepted);
    QTest::newRow("Annuller") << "cancel" << int(QDialog::Rejected);
    QTest::newRow("window frame") << "frame" << int(QDialog::Rejected);
}

void TboksformTest::everyWayOfClosingWritesHeight()
{
    QFETCH(QString, way);
    QFETCH(int, result);
    TestApp app;
    app.create();
    Tboksform &box = *app.context.boksform;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    box.resize(box.width(), 530);
    if (way == QLatin1String("ok"))
        box.okButton->click();
    else if (way == QLatin1String("cancel"))
        box.annullerButton->click();
    else
        box.close();
    QCOMPARE(box.result(), result);
    QCOMPARE(app.readSettingsFile(QStringLiteral("boks.txt")), QByteArray("530\r\n"));
}

QTEST_MAIN(TboksformTest)
#include "tst_Tboksform.moc"
