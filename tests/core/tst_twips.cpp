#include "TestMain.h"

#include "core/Twips.h"

#include <QWidget>

class TestTwips : public QObject
{
    Q_OBJECT

private slots:
    void fractionalTwipsReadBackExactly_data()
    {
        QTest::addColumn<QRectF>("twips");
        QTest::newRow("centred pane") << QRectF(1012.5, 727.5, 4395, 2955);
        QTest::newRow("whole pixels") << QRectF(2340, 900, 4875, 3855);
        QTest::newRow("odd twips") << QRectF(7, 8, 13, 1);
    }
    void fractionalTwipsReadBackExactly()
    {
        QFETCH(QRectF, twips);
        QWidget parent;
        QWidget child(&parent);
        Twips::place(&child, twips);
        QCOMPARE(Twips::rect(&child), twips);
        QCOMPARE(Twips::left(&child), twips.left());
        QCOMPARE(Twips::width(&child), twips.width());
    }
    void pixelEdgesAreRoundedNotSizes_data()
    {
        QTest::addColumn<QRectF>("twips");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("exact") << QRectF(2340, 900, 4875, 3855) << QRect(156, 60, 325, 257);
        // 1012.5 twips = 67.5 px rounds to 68; the right edge 1012.5 + 4395 = 360.5 px rounds to
        // 361.
        QTest::newRow("half pixel") << QRectF(1012.5, 0, 4395, 15) << QRect(68, 0, 293, 1);
        // Neighbours in twips stay neighbours in pixels: 0..7 and 7..22 twips share an edge.
        QTest::newRow("sub-pixel left") << QRectF(7, 7, 15, 15) << QRect(0, 0, 1, 1);
        QTest::newRow("negative size") << QRectF(30, 30, -15, -15) << QRect(2, 2, 0, 0);
    }
    void pixelEdgesAreRoundedNotSizes()
    {
        QFETCH(QRectF, twips);
        QFETCH(QRect, pixels);
        QWidget parent;
        QWidget child(&parent);
        Twips::place(&child, twips);
        QCOMPARE(child.geometry(), pixels);
    }

    void movingByOtherMeansFallsBackToPixels()
    {
        QWidget parent;
        QWidget child(&parent);
        Twips::place(&child, QRectF(1012.5, 0, 300, 300));
        child.move(10, 20);
        QCOMPARE(Twips::rect(&child), QRectF(150, 300, 300, 300));
    }

    void singleEdgeSettersKeepTheOtherValues()
    {
        QWidget parent;
        QWidget child(&parent);
        Twips::place(&child, QRectF(100.5, 200, 300, 400));
        Twips::setLeft(&child, 7.5);
        Twips::setHeight(&child, 1012.5);
        QCOMPARE(Twips::rect(&child), QRectF(7.5, 200, 300, 1012.5));
    }

    void windowSizeInTwips()
    {
        QWidget window;
        Twips::resize(&window, 8460, 5670);
        QCOMPARE(window.size(), QSize(564, 378));
        QCOMPARE(Twips::width(&window), 8460.0);
        QCOMPARE(Twips::height(&window), 5670.0);
    }
};

KV_TEST_MAIN(TestTwips)
#include "tst_twips.moc"
