#include "app/AppIcon.h"

#include <QImage>
#include <QtTest>

// The window icon is the program's drawing, sharp at every size the desktop asks for.
class AppIconTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void drawnAtEverySize_data();
    void drawnAtEverySize();
};

void AppIconTest::drawnAtEverySize_data()
{
    QTest::addColumn<int>("size");
    for (int size : { 16, 32, 48, 256 })
        QTest::addRow("%dx%d", size, size) << size;
}

void AppIconTest::drawnAtEverySize()
{
    QFETCH(int, size);
    const QIcon icon = AppIcon::icon();
    QVERIFY2(!icon.isNull(), "the SVG icon engine (Debian package libqt6svg6) is missing");
    const QImage image = icon.pixmap(size, size).toImage();
    QCOMPARE(image.size(), QSize(size, size));
    // Below the page lies the blue tile; its corners are rounded off and stay clear.
    const QRgb tile = image.pixel(size / 2, size * 9 / 10);
    QCOMPARE(qAlpha(tile), 255);
    QVERIFY(qBlue(tile) > 2 * qRed(tile));
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
}

QTEST_MAIN(AppIconTest)
#include "tst_AppIcon.moc"
