#include "TestMain.h"
#include "WindowHarness.h"

#include "controls/ScrollBar.h"
#include "player/SettingsPanel.h"

using kvtest::WindowHarness;

// The speed, volume and zoom bars: they act at once, OK keeps them, Annuler takes back what
// they changed.
class SettingsPanelTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WindowHarness> h;

    ScrollBar *bar(const char *name) const { return h->main->get<ScrollBar>(name); }
    QString values() const
    {
        const MediaWindow &m = h->animation();
        return QStringLiteral("%1 %2 %3 / %4 %5 %6")
            .arg(m.speed())
            .arg(m.volume())
            .arg(m.zoom())
            .arg(h->caption("VitText"), h->caption("VolText"), h->caption("ZoomText"));
    }

private slots:
    void init()
    {
        h = std::make_unique<WindowHarness>();
        h->mainWindow();
        h->answer(h->addMedia(QStringLiteral("a.avi"), FakeMedia{5000, 50, QSize(160, 120)}));
        h->click("CmdFiMCI");
    }
    void cleanup() { h.reset(); }

    void barsTakeEffectAtOnce_data()
    {
        QTest::addColumn<QString>("barName");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("values");
        QTest::newRow("speed") << "VSVit" << 2345 << "2345 1000 100 / 234 100 100";
        QTest::newRow("volume at the bottom") << "VSVol" << 0 << "1000 0 100 / 100 0 100";
        QTest::newRow("zoom") << "VSZoom" << 250 << "1000 1000 250 / 100 100 250";
    }
    void barsTakeEffectAtOnce()
    {
        QFETCH(QString, barName);
        QFETCH(int, value);
        QFETCH(QString, values);
        h->main->get<ScrollBar>(barName)->setValue(value);
        QCOMPARE(this->values(), values);
    }

    void presetMovesTheZoomBar()
    {
        h->main->settingsPanel().preset(0);
        QCOMPARE(values(), "1000 1000 10 / 100 100 10");
        QCOMPARE(bar("VSZoom")->value(), 10);
    }

    // Opening reads the zoom in force, not the speed; Annuler gives back what was in force,
    // OK keeps the bars.
    void openThenCancelOrOk()
    {
        bar("VSVit")->setValue(3000);
        h->animation().setZoom(250);
        h->animation().setSpeed(1000);
        h->click("CmdReglMCI");
        QCOMPARE(h->looks({"FondRéglages", "FondRéglages2"}), "FondRéglages FondRéglages2");
        QCOMPARE(bar("VSZoom")->value(), 250);
        QCOMPARE(bar("VSVit")->value(), 3000);
        bar("VSVit")->setValue(2000);
        bar("VSVol")->setValue(300);
        bar("VSZoom")->setValue(200);
        h->main->settingsPanel().cancel();
        QCOMPARE(values(), "1000 1000 250 / 100 100 250");
        QCOMPARE(h->looks({"FondRéglages", "FondRéglages2"}), "(FondRéglages) (FondRéglages2)");

        h->click("CmdReglMCI");
        bar("VSVit")->setValue(500);
        h->main->settingsPanel().ok();
        QCOMPARE(h->animation().speed(), 500);
        QCOMPARE(h->looks({"FondRéglages", "FondRéglages2"}), "(FondRéglages) (FondRéglages2)");
    }
};

KV_TEST_MAIN(SettingsPanelTest)
#include "tst_settingspanel.moc"
