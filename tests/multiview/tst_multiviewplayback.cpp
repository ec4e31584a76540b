#include "MediaFactory.h"
#include "TestMain.h"
#include "WindowHarness.h"

#include "controls/ZarnBttn.h"
#include "controls/ZarnPanel.h"
#include "multiview/FenMultivu.h"
#include "multiview/PaneSelection.h"

#include <QToolButton>

using kvtest::MediaFactory;
using kvtest::WindowHarness;

// Six real files of six formats, loaded pane by pane into the multi-view window opened from
// the main window, all played at once through their own play bars.
class MultiviewPlaybackTest : public QObject
{
    Q_OBJECT

private slots:
    void sixPanesPlayTogether()
    {
        if (!MediaFactory::ffmpegAvailable())
            QFAIL("ffmpeg is needed to make the test animations (scripts/setup.sh installs it)");
        MediaFactory factory;
        const MediaFactory::Format formats[] = {
            MediaFactory::Format::AviCinepak, MediaFactory::Format::AviMsVideo1,
            MediaFactory::Format::AviRaw,     MediaFactory::Format::Mpeg1,
            MediaFactory::Format::QuickTime,  MediaFactory::Format::AviMpeg4,
        };
        WindowHarness h;
        h.context.engines = MediaWindow::defaultEngineFactory();
        QTest::mouseClick(h.mainWindow()->button(QStringLiteral("CmdMultiVue")), Qt::LeftButton);
        auto *w = qobject_cast<FenMultivu *>(h.windows.find(QStringLiteral("FenMultivu")));
        QVERIFY(w);
        disconnect(&w->selection(), &PaneSelection::fileManagerRequested, nullptr, nullptr);
        QString chosen;
        connect(&w->selection(), &PaneSelection::fileManagerRequested, this,
                [&] { h.general.FichierChoisi = chosen; });

        std::array<int, MultiviewPane::Count> pictures{};
        for (int k = 1; k <= MultiviewPane::Count; ++k) {
            const kvtest::GeneratedMedia made
                = factory.make(formats[k - 1], 2, 10, QSize(320, 240));
            QVERIFY2(!made.path.isEmpty(), qPrintable(factory.lastError()));
            QTest::mouseClick(&w->pane(k).panel(), Qt::LeftButton, {}, QPoint(5, 5));
            chosen = made.path;
            QTest::mouseClick(w->button(QStringLiteral("CmdFicMCI")), Qt::LeftButton, {},
                              QPoint(5, 5));
            MediaWindow &media = w->pane(k).media();
            QCOMPARE(media.engineName(), QStringLiteral("mpv"));
            QVERIFY(media.isVisible());
            connect(media.engine(), &MediaEngine::frameChanged, this,
                    [&pictures, k] { ++pictures[k - 1]; });
        }
        WindowHarness::settle();
        for (int k = 1; k <= MultiviewPane::Count; ++k) {
            QVERIFY(w->pane(k).media().width() <= 153); // fitted into its pane
            pictures[k - 1] = 0;
            QTest::mouseClick(
                w->pane(k).media().findChild<QToolButton *>(QStringLiteral("PlayStop")),
                Qt::LeftButton);
        }
        for (int k = 1; k <= MultiviewPane::Count; ++k)
            QCOMPARE(w->pane(k).media().mode(), MediaWindow::Mode::Playing);
        for (int k = 1; k <= MultiviewPane::Count; ++k) {
            MediaWindow &media = w->pane(k).media();
            QTRY_COMPARE_WITH_TIMEOUT(media.mode(), MediaWindow::Mode::Stopped, 15000);
            QCOMPARE(media.position(), media.length()); // played to its end, in frames
            QVERIFY2(pictures[k - 1] >= 10, qPrintable(QString::number(pictures[k - 1])));
        }
        QVERIFY(w->button(QStringLiteral("CmdDeplaceFen"))
                    ->caption()
                    .contains(QStringLiteral(" - position : ")));
    }
};

KV_TEST_MAIN(MultiviewPlaybackTest)
#include "tst_multiviewplayback.moc"
