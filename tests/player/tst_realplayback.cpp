#include "MediaFactory.h"
#include "TestMain.h"
#include "WindowHarness.h"

using kvtest::MediaFactory;
using kvtest::WindowHarness;

// The main window's player with the real engines on a file made for the test: opened through
// the file dialog, played to its end, and back at rest.
class RealPlaybackTest : public QObject
{
    Q_OBJECT

private slots:
    void openPlayToTheEndAndRest()
    {
        MediaFactory factory;
        const kvtest::GeneratedMedia avi
            = factory.make(MediaFactory::Format::AviCinepak, 0.5, 10, QSize(160, 120));
        QVERIFY2(!avi.path.isEmpty(), qPrintable(factory.lastError()));
        WindowHarness h;
        h.context.engines = MediaWindow::defaultEngineFactory();
        h.mainWindow();
        h.answer(avi.path);
        h.click("CmdFiMCI");
        QCOMPARE(h.animation().engineName(), QStringLiteral("mpv"));
        QVERIFY(!h.animation().isHidden());
        QTRY_VERIFY(h.enabled("CmdReglMCI"));
        const QStringList names{"ButAVI", "CmdPlayAVI", "CmdPauseAVI", "CmdStopAVI", "CmdSeqAVI"};
        h.click("CmdPlayAVI");
        QTRY_COMPARE_WITH_TIMEOUT(h.animation().mode(), MediaWindow::Mode::Playing, 5000);
        QCOMPARE(h.looks(names), "ButAVI (CmdPlayAVI) CmdPauseAVI CmdStopAVI CmdSeqAVI-");
        QTRY_COMPARE_WITH_TIMEOUT(h.playing(), QFileInfo(avi.path).fileName() + " stopped 0", 5000);
        QCOMPARE(h.looks(names), "ButAVI CmdPlayAVI (CmdPauseAVI) CmdStopAVI- CmdSeqAVI");
        QVERIFY(!h.main->timer1().isActive());
    }
};

KV_TEST_MAIN(RealPlaybackTest)
#include "tst_realplayback.moc"
