#include "app/ScreenPlacement.h"

#include <QtTest>

class ScreenPlacementTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void reachablePosition_data();
    void reachablePosition();
    void wholePosition_data();
    void wholePosition();
};

void ScreenPlacementTest::reachablePosition_data()
{
    QTest::addColumn<QRect>("window");
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<QPoint>("position");

    const QRect left(0, 0, 1920, 1080);
    const QRect right(1920, 0, 1280, 1024);
    QTest::newRow("inside") << QRect(640, 240, 800, 600) << QList<QRect> { left } << QPoint(640, 240);
    QTest::newRow("partly off, title bar reachable")
        << QRect(1500, 900, 800, 600) << QList<QRect> { left } << QPoint(1500, 900);
    QTest::newRow("on the second screen")
        << QRect(2500, 100, 800, 600) << QList<QRect> { left, right } << QPoint(2500, 100);
    QTest::newRow("second screen removed")
        << QRect(2500, 100, 800, 600) << QList<QRect> { left } << QPoint(1120, 100);
    QTest::newRow("far above and left")
        << QRect(-5000, -4000, 800, 600) << QList<QRect> { left, right } << QPoint(0, 0);
    QTest::newRow("title bar above the screen")
        << QRect(100, -590, 800, 600) << QList<QRect> { left } << QPoint(100, 0);
    QTest::newRow("larger than the screen")
        << QRect(4000, 0, 2500, 1500) << QList<QRect> { left } << QPoint(0, 0);
    QTest::newRow("no screens known") << QRect(-5000, 0, 800, 600) << QList<QRect> {} << QPoint(-5000, 0);
}

void ScreenPlacementTest::reachablePosition()
{
    QFETCH(QRect, window);
    QFETCH(QList<QRect>, screens);
    QFETCH(QPoint, position);
    QCOMPARE(ScreenPlacement::reachablePosition(window, screens), position);
}

void ScreenPlacementTest::wholePosition_data()
{
    QTest::addColumn<QRect>("window");
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<QPoint>("position");

    const QRect left(0, 0, 1920, 1080);
    const QRect right(1920, 0, 1280, 1024);
    const QRect laptop(0, 0, 1366, 768);
    QTest::newRow("inside") << QRect(640, 240, 800, 600) << QList<QRect> { left } << QPoint(640, 240);
    // The first start's place hid the bottom of the frame, tabs and status line, on a laptop's screen.
    QTest::newRow("first start on a laptop")
        << QRect(640, 240, 800, 600) << QList<QRect> { laptop } << QPoint(566, 168);
    QTest::newRow("off the right edge")
        << QRect(1500, 900, 800, 600) << QList<QRect> { left } << QPoint(1120, 480);
    QTest::newRow("across two screens, mostly on the second")
        << QRect(1800, 100, 800, 600) << QList<QRect> { left, right } << QPoint(1920, 100);
    QTest::newRow("second screen removed")
        << QRect(2500, 100, 800, 600) << QList<QRect> { left } << QPoint(1120, 100);
    QTest::newRow("larger than the screen")
        << QRect(100, 50, 2500, 1500) << QList<QRect> { left } << QPoint(0, 0);
    QTest::newRow("no screens known") << QRect(-5000, 0, 800, 600) << QList<QRect> {} << QPoint(-5000, 0);
}

void ScreenPlacementTest::wholePosition()
{
    QFETCH(QRect, window);
    QFETCH(QList<QRect>, screens);
    QFETCH(QPoint, position);
    QCOMPARE(ScreenPlacement::wholePosition(window, screens), position);
}

QTEST_GUILESS_MAIN(ScreenPlacementTest)
#include "tst_ScreenPlacement.moc"
