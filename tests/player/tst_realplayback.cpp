#include "MediaFactory.h"
#include "TestMain.h"
#include "WindowHarness.h"

#include "controls/ZarnBttn.h"
#include "mainwindow/FenPrin.h"
#include "player/FileSelection.h"
#include "player/Transport.h"

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
        if (!MediaFactory::ffmpegAvailable())
            QSKIP("ffmpeg is needed to make the test animation");
        MediaFactory factory;
        const kvtest::GeneratedMedia avi
            = factory.make(MediaFactory::Format::AviCinepak, 1, 10, QSize(160, 120));
        QVERIFY2(!avi.path.isEmpty(), qPrintable(factory.lastError()));

        WindowHarness h;
        h.context.engines = MediaWindow::defaultEngineFactory();
        auto *w = h.mainWindow();
        FakeCommonDialog::Reply reply;
        reply.fileName = avi.path;
        h.fakes.dialogs->replies.enqueue(reply);

        ZarnBttn *open = w->button(QStringLiteral("CmdFiMCI"));
        QTest::mouseClick(open, Qt::LeftButton, {}, open->rect().center());
        MediaWindow &media = w->mciWnd1();
        QCOMPARE(media.engineName(), QStringLiteral("mpv"));
        QVERIFY(!media.isHidden());
        QVERIFY(!w->control(QStringLiteral("ButAVI"))->isHidden());
        QTRY_VERIFY(w->button(QStringLiteral("CmdReglMCI"))->isEnabled());

        QStringList modes;
        connect(&media, &MediaWindow::modeChanged, this, [&] { modes << media.mode(); });
        ZarnBttn *play = w->button(QStringLiteral("CmdPlayAVI"));
        QTest::mouseClick(play, Qt::LeftButton, {}, play->rect().center());
        QTRY_VERIFY_WITH_TIMEOUT(modes.contains(QStringLiteral("playing")), 5000);
        QVERIFY(w->button(QStringLiteral("CmdStopAVI"))->isEnabled());
        QVERIFY(!w->button(QStringLiteral("CmdPauseAVI"))->isHidden());

        QTRY_COMPARE_WITH_TIMEOUT(media.mode(), QStringLiteral("stopped"), 10000);
        QCOMPARE(modes.last(), QStringLiteral("stopped"));
        media.setTimeFormat(QStringLiteral("ms"));
        QTRY_COMPARE(media.position(), 0);
        QVERIFY(!w->button(QStringLiteral("CmdPlayAVI"))->isHidden());
        QVERIFY(w->button(QStringLiteral("CmdPauseAVI"))->isHidden());
        QVERIFY(!w->button(QStringLiteral("CmdStopAVI"))->isEnabled());
        QVERIFY(w->button(QStringLiteral("CmdSeqAVI"))->isEnabled());
        QVERIFY(!w->timer1().isActive());
    }
};

KV_TEST_MAIN(RealPlaybackTest)
#include "tst_realplayback.moc"
