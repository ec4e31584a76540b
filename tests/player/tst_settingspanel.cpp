#include "TestMain.h"
#include "WindowHarness.h"

#include "controls/ScrollBar.h"
#include "controls/ZarnBttn.h"
#include "controls/ZarnPanel.h"
#include "mainwindow/FenPrin.h"
#include "player/SettingsPanel.h"

using kvtest::WindowHarness;

class SettingsPanelTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WindowHarness> h;
    QString m_a;

    FenPrin *w = nullptr;

    ScrollBar *bar(const char *name) const { return w->get<ScrollBar>(QString::fromUtf8(name)); }
    QString text(const char *name) const { return w->panel(QString::fromUtf8(name))->caption(); }

private slots:
    void init()
    {
        h = std::make_unique<WindowHarness>();
        m_a = h->addMedia(QStringLiteral("a.avi"), FakeMedia{5000, 50, QSize(160, 120)});
        w = h->mainWindow();
        w->mciWnd1().setFileName(m_a);
        WindowHarness::settle();
    }

    void cleanup() { h.reset(); }

    void barsStartWhereTheDesignPutsThem()
    {
        QCOMPARE(bar("VSVit")->value(), 1000);
        QCOMPARE(bar("VSVol")->value(), 1000);
        QCOMPARE(bar("VSZoom")->value(), 100);
        QCOMPARE(text("VitText"), QStringLiteral("100"));
        QCOMPARE(text("ZoomText"), QStringLiteral("100"));
    }

    void barsTakeEffectAtOnce_data()
    {
        QTest::addColumn<QString>("barName");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("shown");
        QTest::newRow("speed") << "VSVit" << 2345 << "VitText"
                               << "234";
        QTest::newRow("volume at the bottom") << "VSVol" << 0 << "VolText"
                                              << "0";
        QTest::newRow("zoom") << "VSZoom" << 250 << "ZoomText"
                              << "250";
    }

    void barsTakeEffectAtOnce()
    {
        QFETCH(QString, barName);
        QFETCH(int, value);
        QFETCH(QString, display);
        QFETCH(QString, shown);
        w->get<ScrollBar>(barName)->setValue(value);
        QCOMPARE(w->panel(display)->caption(), shown);
        MediaWindow &m = w->mciWnd1();
        const int applied = barName == "VSVit"   ? m.speed()
                            : barName == "VSVol" ? m.volume()
                                                 : m.zoom();
        QCOMPARE(applied, value);
    }

    void presetMovesTheZoomBar()
    {
        w->settingsPanel().preset(0);
        QCOMPARE(w->mciWnd1().zoom(), 10);
        QCOMPARE(bar("VSZoom")->value(), 10);
        QCOMPARE(text("ZoomText"), QStringLiteral("10"));
    }

    void openingReadsTheZoomButNotTheSpeed()
    {
        bar("VSVit")->setValue(3000);
        w->mciWnd1().setZoom(250);
        w->mciWnd1().setSpeed(1000);
        w->settingsPanel().open();
        QVERIFY(!w->control(QStringLiteral("FondRéglages"))->isHidden());
        QVERIFY(!w->control(QStringLiteral("FondRéglages2"))->isHidden());
        QCOMPARE(bar("VSZoom")->value(), 250);
        QCOMPARE(text("ZoomText"), QStringLiteral("250"));
        QCOMPARE(bar("VSVit")->value(), 3000);
    }

    void annulerRestoresWhatWasInForce()
    {
        w->settingsPanel().open();
        bar("VSVit")->setValue(2000);
        bar("VSVol")->setValue(300);
        bar("VSZoom")->setValue(200);
        w->settingsPanel().cancel();
        MediaWindow &m = w->mciWnd1();
        QCOMPARE(m.speed(), 1000);
        QCOMPARE(m.volume(), 1000);
        QCOMPARE(m.zoom(), 100);
        QCOMPARE(text("VitText"), QStringLiteral("100"));
        QCOMPARE(text("VolText"), QStringLiteral("100"));
        QCOMPARE(text("ZoomText"), QStringLiteral("100"));
        QVERIFY(w->control(QStringLiteral("FondRéglages"))->isHidden());
    }

    void okKeepsTheBars()
    {
        w->settingsPanel().open();
        bar("VSVit")->setValue(500);
        w->settingsPanel().ok();
        QCOMPARE(w->mciWnd1().speed(), 500);
        QVERIFY(w->control(QStringLiteral("FondRéglages2"))->isHidden());
    }
};

KV_TEST_MAIN(SettingsPanelTest)
#include "tst_settingspanel.moc"
