// The multi-view window with 1, 3 and 6 panes, each playing its own 640x480, 25 frames/s
// MPEG-1 file of 20 s, loaded through the window's file command and started from the pane's
// own play bar: which of the file's pictures each pane's media window paints (every picture
// carries its number as a row of black and white blocks), the pictures its engine renders,
// the process CPU time and its peak memory. Baseline, in the same run:
// ffmpeg decoding the same files to nothing, one after the other (CPU time of those processes).
// Targets: no dropped picture, CPU at most twice the baseline, peak memory under 250 MB.
#include "BenchSupport.h"
#include "MediaFactory.h"
#include "app/AppContext.h"
#include "app/LoadedWindows.h"
#include "controls/ZarnBttn.h"
#include "controls/ZarnPanel.h"
#include "multiview/FenMultivu.h"
#include "multiview/PaneSelection.h"
#include "platform/fake/FakePlatform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPaintEvent>
#include <QProcess>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <sys/resource.h>

#include <algorithm>
#include <array>
#include <clocale>
#include <cstdio>

namespace {

constexpr int Seconds = 20;
constexpr int Fps = 25;
constexpr int Width = 640;
constexpr int Height = 480;
constexpr int PlayLimitMs = (Seconds + 15) * 1000;
constexpr int MarkerBits = 9; // up to picture 511
constexpr int MarkerBlock = 32;
constexpr double CpuRatioTarget = 2.0;
constexpr long PeakTargetKb = 250 * 1024;

// One picture source per pane, so no two decoders see the same stream.
constexpr const char *Patterns[MultiviewPane::Count] = {
    "testsrc", "testsrc2", "smptebars", "rgbtestsrc", "life=mold=10:ratio=0.2", "cellauto=rule=110",
};

// Starts the peak memory afresh, so each run shows its own.
bool resetPeak()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    return refs.open(QIODevice::WriteOnly) && refs.write("5") == 1;
}

void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

QString makeFile(kvtest::MediaFactory &factory, int index)
{
    const QString pattern = QLatin1String(Patterns[index]);
    const QString source = QStringLiteral("%1%2size=%3x%4:rate=%5")
                               .arg(pattern)
                               .arg(pattern.contains('=') ? ':' : '=')
                               .arg(Width)
                               .arg(Height)
                               .arg(Fps);
    const QString tone = QStringLiteral("sine=frequency=%1:sample_rate=22050:duration=%2")
                             .arg(220 * (index + 1))
                             .arg(Seconds);
    // Bit b of the picture's number: block b of the top row, white for 1.
    const QString marker = QStringLiteral("color=c=black:size=%1x%2:rate=%3,geq=lum='255*mod("
                                          "floor(N/pow(2\\,floor(X/%2)))\\,2)':cb=128:cr=128")
                               .arg(MarkerBits * MarkerBlock)
                               .arg(MarkerBlock)
                               .arg(Fps);
    return factory.run(QStringLiteral("pane%1.mpg").arg(index + 1),
                       {"-f",
                        "lavfi",
                        "-i",
                        source,
                        "-f",
                        "lavfi",
                        "-i",
                        marker,
                        "-f",
                        "lavfi",
                        "-i",
                        tone,
                        "-filter_complex",
                        "[0:v][1:v]overlay=0:0:shortest=1[v]",
                        "-map",
                        "[v]",
                        "-map",
                        "2:a",
                        "-c:v",
                        "mpeg1video",
                        "-q:v",
                        "4",
                        "-pix_fmt",
                        "yuv420p",
                        "-c:a",
                        "mp2",
                        "-t",
                        QString::number(Seconds),
                        "-f",
                        "mpeg"});
}

// Reads the number of each picture a media window paints.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(MediaWindow &media)
        : m_media(media)
    {
        media.installEventFilter(this);
    }
    QSet<int> shown;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::Paint || !m_media.engine())
            return false;
        // The window paints the engine's current picture, read here just before.
        const QImage picture = m_media.engine()->frame();
        if (picture.width() < MarkerBits * MarkerBlock)
            return false;
        int number = 0;
        for (int bit = 0; bit < MarkerBits; ++bit) {
            const QPoint centre(bit * MarkerBlock + MarkerBlock / 2, MarkerBlock / 2);
            if (qGray(picture.pixel(centre)) > 128)
                number |= 1 << bit;
        }
        // A misread number past the file's end would hide a dropped picture: left out.
        if (number < Seconds * Fps)
            shown.insert(number);
        return false;
    }

private:
    MediaWindow &m_media;
};

struct Run
{
    std::array<int, MultiviewPane::Count> rendered{};
    std::array<int, MultiviewPane::Count> shown{};
    std::array<bool, MultiviewPane::Count> opened{};
    double cpu = 0;
    qint64 playedMs = 0;
    long peak = -1;
};

Run playPanes(AppContext &context, const std::array<QString, MultiviewPane::Count> &files,
              int panes)
{
    Run run;
    auto *window = new FenMultivu(context);
    window->load();
    window->show();
    // The file manager's choice, as if the user had picked each file there.
    QObject::disconnect(&window->selection(), &PaneSelection::fileManagerRequested, nullptr,
                        nullptr);
    QString chosen;
    QObject::connect(&window->selection(), &PaneSelection::fileManagerRequested, window,
                     [&] { context.general.FichierChoisi = chosen; });
    std::vector<std::unique_ptr<PaintCounter>> counters;
    for (int k = 1; k <= panes; ++k) {
        MediaWindow &media = window->pane(k).media();
        QTest::mouseClick(&window->pane(k).panel(), Qt::LeftButton, {}, QPoint(5, 5));
        chosen = files[k - 1];
        QTest::mouseClick(window->button(QStringLiteral("CmdFicMCI")), Qt::LeftButton, {},
                          QPoint(5, 5));
        media.setVolume(0);
        run.opened[k - 1] = media.engine() != nullptr;
        if (run.opened[k - 1]) {
            QObject::connect(media.engine(), &MediaEngine::frameChanged,
                             [&run, k] { ++run.rendered[k - 1]; });
        }
        counters.push_back(std::make_unique<PaintCounter>(media));
    }
    wait(500);
    run.rendered.fill(0);

    auto anyPlaying = [&] {
        for (int k = 1; k <= panes; ++k) {
            if (window->pane(k).media().mode() == MediaWindow::Mode::Playing)
                return true;
        }
        return false;
    };
    QEventLoop loop;
    for (int k = 1; k <= panes; ++k) {
        QObject::connect(&window->pane(k).media(), &MediaWindow::modeChanged, &loop, [&] {
            if (!anyPlaying())
                loop.quit();
        });
    }
    const double cpuBefore = bench::cpuSeconds(RUSAGE_SELF);
    QElapsedTimer clock;
    clock.start();
    for (int k = 1; k <= panes; ++k) {
        auto *play = window->pane(k).media().findChild<QToolButton *>(QStringLiteral("PlayStop"));
        QTest::mouseClick(play, Qt::LeftButton);
    }
    QTimer::singleShot(PlayLimitMs, &loop, &QEventLoop::quit);
    if (anyPlaying())
        loop.exec(); // sleeps between events: the CPU time is the playing's alone
    run.playedMs = clock.elapsed();
    run.cpu = bench::cpuSeconds(RUSAGE_SELF) - cpuBefore;
    run.peak = bench::peakKb();
    // The last pictures' paints are still queued when the last pane reports its stop.
    wait(300);
    for (int k = 1; k <= panes; ++k)
        run.shown[k - 1] = int(counters[k - 1]->shown.size());
    counters.clear();
    context.windows.unload(window);
    wait(200);
    return run;
}

} // namespace

int main(int argc, char **argv)
{
    bench::choosePlatform();
    QApplication app(argc, argv);
    if (!bench::ready())
        return 1;
    kvtest::MediaFactory factory;
    std::array<QString, MultiviewPane::Count> files;
    for (int i = 0; i < MultiviewPane::Count; ++i) {
        files[i] = makeFile(factory, i);
        if (files[i].isEmpty()) {
            std::printf("ffmpeg failed: %s\n", qPrintable(factory.lastError()));
            return 1;
        }
    }

    FakePlatform fakes;
    General general;
    LoadedWindows windows;
    AppContext context{fakes.platform, general, windows};

    std::printf("platform %s; multi-view panes each playing a %dx%d MPEG-1 file at %d frames/s "
                "for %d s\n",
                qPrintable(QGuiApplication::platformName()), Width, Height, Fps, Seconds);
    std::printf("targets: no dropped picture, CPU at most %.1f x the ffmpeg decode, peak memory "
                "under %ld MB\n",
                CpuRatioTarget, PeakTargetKb / 1024);
    const int pictures = Seconds * Fps;
    // Pane counts to run, from the command line (for profiling one); 1, 3 and 6 by default.
    QList<int> paneCounts;
    for (const QString &argument : QApplication::arguments().mid(1))
        paneCounts << std::clamp(argument.toInt(), 1, MultiviewPane::Count);
    if (paneCounts.isEmpty())
        paneCounts = {1, 3, 6};
    bool met = true;
    for (const int panes : paneCounts) {
        const bool peakReset = resetPeak();
        const Run run = playPanes(context, files, panes);
        QStringList decoded;
        for (int i = 0; i < panes; ++i)
            decoded << files[i];
        const double baseline = bench::decodeOnlyCpu(decoded);
        const double ratio = baseline > 0 ? run.cpu / baseline : 0.0;
        std::printf("\n%d pane(s), played %.2f s\n", panes, run.playedMs / 1e3);
        std::printf("  %-5s %-24s %9s %9s %8s %8s\n", "pane", "pattern", "pictures", "rendered",
                    "shown", "dropped");
        int droppedTotal = 0;
        for (int k = 1; k <= panes; ++k) {
            const int dropped = pictures - run.shown[k - 1];
            droppedTotal += dropped;
            std::printf("  %-5d %-24s %9d %9d %8d %8d%s\n", k, Patterns[k - 1], pictures,
                        run.rendered[k - 1], run.shown[k - 1], dropped,
                        run.opened[k - 1] ? "" : "  (did not open)");
        }
        std::printf("  CPU %.2f s (%.0f %% of one core, %.2f s a pane); ffmpeg decode %.2f s; "
                    "ratio %.2f (target <= %.1f)\n",
                    run.cpu, 100.0 * run.cpu * 1000.0 / double(run.playedMs), run.cpu / panes,
                    baseline, ratio, CpuRatioTarget);
        std::printf("  peak memory %ld kB%s (target < %ld kB)\n", run.peak,
                    peakReset ? "" : " (since start: the peak could not be reset)", PeakTargetKb);
        const bool ok = droppedTotal == 0 && ratio <= CpuRatioTarget && run.peak >= 0
                        && run.peak < PeakTargetKb;
        std::printf("  %s\n", ok ? "targets met" : "TARGET MISSED");
        met = met && ok;
    }
    return met ? 0 : 2;
}
