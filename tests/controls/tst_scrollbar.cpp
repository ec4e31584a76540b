#include "TestMain.h"

#include "controls/ScrollBar.h"

#include <QScrollBar>
#include <QSignalSpy>

namespace {

void configure(ScrollBar &bar, int min, int max, int small, int large, int value)
{
    bar.setMin(min);
    bar.setMax(max);
    bar.setSmallChange(small);
    bar.setLargeChange(large);
    bar.setValue(value);
}

} // namespace

class TestScrollBar : public QObject
{
    Q_OBJECT

private slots:
    void valuesOutsideTheRangeAreClamped_data()
    {
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("requested");
        QTest::addColumn<int>("expected");
        QTest::newRow("speed inside") << 4000 << 100 << 2345 << 2345;
        QTest::newRow("speed above top") << 4000 << 100 << 5000 << 4000;
        QTest::newRow("speed below bottom") << 4000 << 100 << 50 << 100;
        QTest::newRow("volume bottom") << 1000 << 0 << -10 << 0;
        QTest::newRow("zoom inside") << 10 << 400 << 250 << 250;
        QTest::newRow("zoom too large") << 10 << 400 << 1000 << 400;
        QTest::newRow("zoom too small") << 10 << 400 << 0 << 10;
    }
    void valuesOutsideTheRangeAreClamped()
    {
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(int, requested);
        QFETCH(int, expected);
        ScrollBar bar(Qt::Vertical);
        configure(bar, min, max, 10, 100, requested);
        QCOMPARE(bar.value(), expected);
        QCOMPARE(bar.property("value").toInt(), expected);
    }
    void topEndHoldsMin_data()
    {
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::newRow("reversed speed bar") << 4000 << 100;
        QTest::newRow("ordinary zoom bar") << 10 << 400;
    }
    void topEndHoldsMin()
    {
        QFETCH(int, min);
        QFETCH(int, max);
        ScrollBar bar(Qt::Vertical);
        configure(bar, min, max, 10, 100, min);
        // The thumb of the inner bar sits at its top when the value is min, at its bottom for max.
        QCOMPARE(bar.bar()->value(), bar.bar()->minimum());
        bar.setValue(max);
        QCOMPARE(bar.bar()->value(), bar.bar()->maximum());
        QCOMPARE(bar.value(), max);
    }

    void arrowStepsTowardsMax()
    {
        ScrollBar speed(Qt::Vertical);
        configure(speed, 4000, 100, 10, 100, 1000);
        speed.bar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(speed.value(), 990);
        speed.bar()->triggerAction(QAbstractSlider::SliderPageStepSub);
        QCOMPARE(speed.value(), 1090);

        ScrollBar zoom(Qt::Horizontal);
        configure(zoom, 10, 400, 1, 10, 100);
        zoom.bar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(zoom.value(), 101);
        QCOMPARE(zoom.smallChange(), 1);
        QCOMPARE(zoom.largeChange(), 10);
    }

    void programmaticChangeIsReportedOnce()
    {
        ScrollBar bar(Qt::Vertical);
        configure(bar, 4000, 100, 10, 100, 1000);
        QSignalSpy changes(&bar, &ScrollBar::change);
        QSignalSpy scrolls(&bar, &ScrollBar::scroll);
        bar.setValue(2345);
        QCOMPARE(changes.count(), 1);
        bar.setValue(2345);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(scrolls.count(), 0);
    }

    void draggingScrollsThenChangesOnRelease()
    {
        ScrollBar bar(Qt::Vertical);
        configure(bar, 1000, 0, 10, 100, 1000);
        QSignalSpy changes(&bar, &ScrollBar::change);
        QSignalSpy scrolls(&bar, &ScrollBar::scroll);
        bar.bar()->setSliderDown(true);
        bar.bar()->setSliderPosition(100);
        bar.bar()->setSliderPosition(300);
        QCOMPARE(scrolls.count(), 2);
        QCOMPARE(changes.count(), 0);
        QCOMPARE(bar.value(), 700);
        bar.bar()->setSliderDown(false);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(bar.value(), 700);
    }

    void narrowingTheRangeClampsTheValue()
    {
        ScrollBar bar(Qt::Vertical);
        configure(bar, 0, 1000, 10, 100, 900);
        QSignalSpy changes(&bar, &ScrollBar::change);
        bar.setMax(500);
        QCOMPARE(bar.value(), 500);
        QCOMPARE(changes.count(), 1);
        // Moving min keeps a value that is still inside the range.
        bar.setMin(-200);
        QCOMPARE(bar.value(), 500);
        QCOMPARE(changes.count(), 1);
        // Reversing the range keeps the value too.
        bar.setMin(2000);
        QCOMPARE(bar.value(), 500);
    }
};

KV_TEST_MAIN(TestScrollBar)
#include "tst_scrollbar.moc"
