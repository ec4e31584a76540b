#include "TestMain.h"
#include "WindowHarness.h"

#include "controls/ZarnBttn.h"
#include "controls/ZarnPanel.h"
#include "mainwindow/FenPrin.h"
#include "player/Transport.h"

using kvtest::WindowHarness;

class TransportTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WindowHarness> h;
    QString m_a;

    FenPrin *w = nullptr;
    MediaWindow *media = nullptr;

    FakeEngine *engine() const { return WindowHarness::engineOf(*media); }
    bool shown(const char *name) const { return !w->control(QString::fromUtf8(name))->isHidden(); }
    bool enabled(const char *name) const
    {
        return w->control(QString::fromUtf8(name))->isEnabled();
    }

private slots:
    void init()
    {
        h = std::make_unique<WindowHarness>();
        m_a = h->addMedia(QStringLiteral("a.avi"), FakeMedia{25000, 250, QSize(160, 120)});
        w = h->mainWindow();
        media = &w->mciWnd1();
        media->setFileName(m_a);
        WindowHarness::settle();
        QVERIFY(engine());
    }

    void cleanup() { h.reset(); }

    void playPausePlayDoesNotRewind()
    {
        w->transport().play();
        WindowHarness::settle();
        engine()->advance(3000);
        w->transport().pause();
        WindowHarness::settle();
        QVERIFY(shown("CmdPlayAVI"));
        QVERIFY(!shown("CmdPauseAVI"));
        w->transport().play();
        WindowHarness::settle();
        media->setTimeFormat(QStringLiteral("ms"));
        QCOMPARE(media->position(), 3000);
        QCOMPARE(media->mode(), QStringLiteral("playing"));
        QVERIFY(!w->state().EnPause);
    }

    void playAfterStopRewinds()
    {
        w->transport().play();
        WindowHarness::settle();
        engine()->advance(4000);
        w->transport().stop();
        WindowHarness::settle();
        QVERIFY(!enabled("CmdStopAVI"));
        media->setTimeFormat(QStringLiteral("ms"));
        QCOMPARE(media->position(), 0); // the "stopped" report rewound it
        w->transport().play();
        WindowHarness::settle();
        QCOMPARE(media->position(), 0);
        QVERIFY(enabled("CmdStopAVI"));
        QVERIFY(shown("CmdPauseAVI"));
    }

    void pauseThenStopKeepsEnPause()
    {
        w->transport().play();
        WindowHarness::settle();
        engine()->advance(2000);
        w->transport().pause();
        w->transport().stop();
        WindowHarness::settle();
        QVERIFY(w->state().EnPause);
        w->transport().play();
        WindowHarness::settle();
        media->setTimeFormat(QStringLiteral("ms"));
        QCOMPARE(media->position(), 0);
        QVERIFY(!w->state().EnPause);
    }

    void stepsAreNotClampedBeforeReachingTheMediaWindow_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("delta");
        QTest::newRow("forward 10 s") << 3000 << 10000;
        QTest::newRow("back 1 s near the start") << 500 << -1000;
        QTest::newRow("forward past the end") << 20000 << 10000;
    }

    void stepsAreNotClampedBeforeReachingTheMediaWindow()
    {
        QFETCH(int, start);
        QFETCH(int, delta);
        media->setTimeFormat(QStringLiteral("ms"));
        media->setPosition(start);
        w->transport().step(delta);
        QCOMPARE(media->timeFormat(), QStringLiteral("ms"));
        // The media window keeps positions inside the media.
        QCOMPARE(media->position(), std::clamp(start + delta, 0, 25000));
    }

    void stepButtonsSendTheirDeltas_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("mouseButton");
        QTest::addColumn<int>("expected");
        QTest::newRow("forward click") << "CmdAvanceAVI" << 1 << 13000;
        QTest::newRow("forward right press") << "CmdAvanceAVI" << 2 << 4000;
        QTest::newRow("back click") << "CmdReculeAVI" << 1 << 0;
        QTest::newRow("back right press") << "CmdReculeAVI" << 2 << 2000;
    }

    void stepButtonsSendTheirDeltas()
    {
        QFETCH(QString, button);
        QFETCH(int, mouseButton);
        QFETCH(int, expected);
        media->setTimeFormat(QStringLiteral("frames"));
        media->setTimeFormat(QStringLiteral("ms"));
        media->setPosition(3000);
        media->setTimeFormat(QStringLiteral("frames"));
        ZarnBttn *b = w->button(button);
        b->show();
        w->control(QStringLiteral("ButAVI"))->show();
        const QPoint centre = b->rect().center();
        if (mouseButton == 1)
            QTest::mouseClick(b, Qt::LeftButton, {}, centre);
        else
            QTest::mousePress(b, Qt::RightButton, {}, centre);
        QCOMPARE(media->timeFormat(), QStringLiteral("ms"));
        QCOMPARE(media->position(), expected);
    }

    void endThenBackwardsSendsPlayFromFramesToZero()
    {
        w->transport().toEnd();
        QCOMPARE(media->timeFormat(), QStringLiteral("frames"));
        QCOMPARE(w->state().NbImages, QStringLiteral("250"));
        QCOMPARE(media->position(), 250);
        QVERIFY(!enabled("CmdStopAVI"));
        w->transport().backwardsFromEnd();
        WindowHarness::settle();
        QVERIFY(engine()->playingBackward());
        engine()->advance(30000);
        WindowHarness::settle();
        QCOMPARE(media->position(), 0);
    }

    void fullScreenForcesZoom100AndStopRestoresZoomText()
    {
        media->setZoom(50);
        w->panel(QStringLiteral("ZoomText"))->setCaption(QStringLiteral("50"));
        w->transport().fullScreen();
        QVERIFY(w->state().PleinEcran);
        QCOMPARE(media->zoom(), 100);
        WindowHarness::settle();
        engine()->advance(26000);
        WindowHarness::settle();
        QCOMPARE(media->mode(), QStringLiteral("stopped"));
        QCOMPARE(media->zoom(), 50);
        QVERIFY(w->state().PleinEcran); // only stop, loop or a new file clear it
    }

    void loopDisablesPlayUntilStop()
    {
        w->transport().loop();
        WindowHarness::settle();
        QVERIFY(engine()->repeating());
        QVERIFY(!enabled("CmdPlayAVI"));
        QVERIFY(shown("CmdPauseAVI"));
        engine()->advance(60000);
        WindowHarness::settle();
        QCOMPARE(media->mode(), QStringLiteral("playing"));
        w->transport().toStart();
        QVERIFY(!enabled("CmdPlayAVI"));
        w->transport().stop();
        WindowHarness::settle();
        QVERIFY(enabled("CmdPlayAVI"));
        QVERIFY(!w->state().BoucleAVI);
    }

    void endOfMediaRewindsAndRestoresIdleButtons()
    {
        w->button(QStringLiteral("CmdSeqAVI"))->setEnabled(true);
        w->transport().play();
        WindowHarness::settle();
        QVERIFY(!enabled("CmdSeqAVI"));
        engine()->advance(25000);
        WindowHarness::settle();
        QCOMPARE(media->mode(), QStringLiteral("stopped"));
        media->setTimeFormat(QStringLiteral("ms"));
        QCOMPARE(media->position(), 0);
        QVERIFY(shown("CmdPlayAVI"));
        QVERIFY(!shown("CmdPauseAVI"));
        QVERIFY(!enabled("CmdStopAVI"));
        QVERIFY(enabled("CmdSeqAVI"));
        QVERIFY(!w->timer1().isActive());
    }

    void stopDuringSlideshowOnlyArmsTheTimer()
    {
        w->state().ModeNormal = false;
        w->transport().play();
        WindowHarness::settle();
        QVERIFY(!w->timer1().isActive());
        engine()->advance(26000);
        WindowHarness::settle();
        QVERIFY(w->timer1().isActive());
        // The buttons stay as the play left them.
        QVERIFY(shown("CmdPauseAVI"));
        QVERIFY(enabled("CmdStopAVI"));
    }
};

KV_TEST_MAIN(TransportTest)
#include "tst_transport.moc"
