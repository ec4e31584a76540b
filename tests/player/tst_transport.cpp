#include "TestMain.h"
#include "WindowHarness.h"

#include "controls/ScrollBar.h"
#include "player/Transport.h"

#include <QMetaEnum>

using kvtest::WindowHarness;

// The transport buttons of the main window on a 25 s animation of 250 frames opened through
// the file dialog: what the user clicks, where the animation is then, what the buttons show.
class TransportTest : public QObject
{
    Q_OBJECT

private slots:
    void clicksPlayTheAnimation_data()
    {
        QTest::addColumn<QStringList>(
            "steps"); // a button; "name/right"; "+ms" of clock; "@ms" dragged to; "zoom N";
                      // "key K" pressed in the window; "no bar" hides the transport bar
        QTest::addColumn<QString>("playing");
        QTest::addColumn<int>("zoom");
        QTest::addColumn<QString>("looks");
        using L = QStringList;
        const QString idle = "CmdPlayAVI (CmdPauseAVI) CmdStopAVI- CmdPlEcrAVI CmdSeqAVI";
        const QString busy = "(CmdPlayAVI) CmdPauseAVI CmdStopAVI CmdPlEcrAVI CmdSeqAVI-";
        QTest::newRow("opened") << L{} << "a.avi stopped 0" << 100 << idle;
        QTest::newRow("play") << L{"CmdPlayAVI", "+3000"} << "a.avi playing 3000" << 100 << busy;
        QTest::newRow("pause") << L{"CmdPlayAVI", "+3000", "CmdPauseAVI"} << "a.avi paused 3000"
                               << 100
                               << "CmdPlayAVI (CmdPauseAVI) CmdStopAVI CmdPlEcrAVI CmdSeqAVI-";
        QTest::newRow("play after pause goes on")
            << L{"CmdPlayAVI", "+3000", "CmdPauseAVI", "CmdPlayAVI"} << "a.avi playing 3000" << 100
            << busy;
        QTest::newRow("stop rewinds")
            << L{"CmdPlayAVI", "+4000", "CmdStopAVI"} << "a.avi stopped 0" << 100 << idle;
        QTest::newRow("play after stop starts at 0")
            << L{"CmdPlayAVI", "+4000", "CmdStopAVI", "CmdPlayAVI"} << "a.avi playing 0" << 100
            << busy;
        QTest::newRow("pause, stop, play starts at 0")
            << L{"CmdPlayAVI", "+2000", "CmdPauseAVI", "CmdStopAVI", "CmdPlayAVI", "+1000"}
            << "a.avi playing 1000" << 100 << busy;
        QTest::newRow("the end rewinds and rests")
            << L{"CmdPlayAVI", "+25000"} << "a.avi stopped 0" << 100 << idle;
        QTest::newRow("loop") << L{"CmdRepetAVI", "+60000"} << "a.avi playing 10000" << 100 << busy;
        QTest::newRow("loop, to the start")
            << L{"CmdRepetAVI", "+6000", "CmdDebutAVI"} << "a.avi playing 0" << 100
            << "CmdPlayAVI- (CmdPauseAVI) CmdStopAVI- CmdPlEcrAVI CmdSeqAVI-";
        QTest::newRow("loop, then stop")
            << L{"CmdRepetAVI", "+6000", "CmdStopAVI"} << "a.avi stopped 0" << 100 << idle;
        QTest::newRow("to the end")
            << L{"@4000", "CmdFinAVI"} << "a.avi stopped 25000" << 100 << idle;
        QTest::newRow("backward from the end")
            << L{"CmdFinAVI", "CmdFinAVI/right", "+5000"} << "a.avi playing 20000" << 100
            << "CmdPlayAVI (CmdPauseAVI) CmdStopAVI- CmdPlEcrAVI CmdSeqAVI-";
        QTest::newRow("backward to the start")
            << L{"CmdFinAVI", "CmdFinAVI/right", "+30000"} << "a.avi stopped 0" << 100 << idle;
        // Steps are not clamped on their way: the media window keeps them inside the media.
        QTest::newRow("forward 10 s")
            << L{"@3000", "CmdAvanceAVI"} << "a.avi stopped 13000" << 100 << idle;
        QTest::newRow("forward 1 s")
            << L{"@3000", "CmdAvanceAVI/right"} << "a.avi stopped 4000" << 100 << idle;
        QTest::newRow("forward past the end")
            << L{"@20000", "CmdAvanceAVI"} << "a.avi stopped 25000" << 100 << idle;
        QTest::newRow("back 10 s near the start")
            << L{"@3000", "CmdReculeAVI"} << "a.avi stopped 0" << 100 << idle;
        QTest::newRow("back 1 s") << L{"@3000", "CmdReculeAVI/right"} << "a.avi stopped 2000" << 100
                                  << idle;
        // The keys do what their buttons do, while the buttons are there to click.
        QTest::newRow("Space plays")
            << L{"key Space", "+3000"} << "a.avi playing 3000" << 100 << busy;
        QTest::newRow("Space pauses")
            << L{"CmdPlayAVI", "+3000", "key Space"} << "a.avi paused 3000" << 100
            << "CmdPlayAVI (CmdPauseAVI) CmdStopAVI CmdPlEcrAVI CmdSeqAVI-";
        QTest::newRow("Right, 1 s")
            << L{"@3000", "key Right"} << "a.avi stopped 4000" << 100 << idle;
        QTest::newRow("Left, 1 s") << L{"@3000", "key Left"} << "a.avi stopped 2000" << 100 << idle;
        QTest::newRow("Page Down, 10 s")
            << L{"@3000", "key PageDown"} << "a.avi stopped 13000" << 100 << idle;
        QTest::newRow("Page Up, 10 s")
            << L{"@15000", "key PageUp"} << "a.avi stopped 5000" << 100 << idle;
        QTest::newRow("End") << L{"@4000", "key End"} << "a.avi stopped 25000" << 100 << idle;
        QTest::newRow("Home while looping")
            << L{"CmdRepetAVI", "+6000", "key Home"} << "a.avi playing 0" << 100
            << "CmdPlayAVI- (CmdPauseAVI) CmdStopAVI- CmdPlEcrAVI CmdSeqAVI-";
        QTest::newRow("keys without the bar")
            << L{"@3000", "no bar", "key Space", "key Right", "key End"} << "a.avi stopped 3000"
            << 100 << idle;
        // Full screen plays at 100 at least; the end gives back the zoom of the zoom text.
        const QString fullScreen = "CmdPlayAVI (CmdPauseAVI) CmdStopAVI- CmdPlEcrAVI CmdSeqAVI-";
        QTest::newRow("full screen")
            << L{"zoom 50", "CmdPlEcrAVI", "+1000"} << "a.avi playing 1000" << 100 << fullScreen;
        QTest::newRow("full screen to the end")
            << L{"zoom 50", "CmdPlEcrAVI", "+26000"} << "a.avi stopped 0" << 50 << idle;
        QTest::newRow("full screen above 100")
            << L{"zoom 200", "CmdPlEcrAVI", "+1000"} << "a.avi playing 1000" << 200 << fullScreen;
    }
    void clicksPlayTheAnimation()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, playing);
        QFETCH(int, zoom);
        QFETCH(QString, looks);
        WindowHarness h;
        h.mainWindow();
        h.answer(h.addMedia(QStringLiteral("a.avi"), FakeMedia{25000, 250, QSize(160, 120)}));
        h.click(QStringLiteral("CmdFiMCI"));
        for (const QString &step : std::as_const(steps)) {
            if (step.startsWith('+')) {
                h.advance(step.mid(1).toLongLong());
            } else if (step.startsWith('@')) {
                h.animation().setTimeFormat(QStringLiteral("ms"));
                h.animation().setPosition(step.mid(1).toInt());
            } else if (step.startsWith("zoom ")) {
                h.main->get<ScrollBar>(QStringLiteral("VSZoom"))->setValue(step.mid(5).toInt());
            } else if (step.startsWith("key ")) {
                const QMetaEnum keys = QMetaEnum::fromType<Qt::Key>();
                const int key = keys.keyToValue(("Key_" + step.mid(4)).toLatin1());
                QWidget *focus = h.main->focusWidget();
                QTest::keyClick(focus ? focus : h.main, Qt::Key(key));
                WindowHarness::settle();
            } else if (step == "no bar") {
                h.main->transport().showBar(false);
            } else if (step.endsWith("/right")) {
                h.press(step.chopped(6), Qt::RightButton);
            } else {
                h.click(step);
            }
        }
        QCOMPARE(h.playing(), playing);
        QCOMPARE(h.animation().zoom(), zoom);
        QCOMPARE(h.looks({"CmdPlayAVI", "CmdPauseAVI", "CmdStopAVI", "CmdPlEcrAVI", "CmdSeqAVI"}),
                 looks);
        QCOMPARE(h.animation().isFullScreenPlaying(),
                 steps.contains("CmdPlEcrAVI") && playing.contains("playing"));
        QVERIFY(!h.main->timer1().isActive());
    }
};

KV_TEST_MAIN(TransportTest)
#include "tst_transport.moc"
