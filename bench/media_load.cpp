// Six media windows in one window, each playing its own 640x480, 25 frames/s MPEG-1 file of
// 20 s at the same time: frames each one renders and paints against the frames the file holds,
// the process CPU time and its peak memory. Baseline, in the same run: ffmpeg decoding the same
// six files to nothing, one after the other, as user + system CPU time of those processes.
#include "BenchSupport.h"
#include "MediaFactory.h"
#include "media/MediaWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTimer>

#include <sys/resource.h>

#include <array>
#include <clocale>
#include <cstdio>

namespace {

constexpr int Windows = 6;
constexpr int Seconds = 20;
constexpr int Fps = 25;
constexpr int Width = 640;
constexpr int Height = 480;
constexpr int PlayLimitMs = (Seconds + 15) * 1000;

// One moving or still picture source per window, so no two decoders see the same stream.
constexpr const char *Patterns[Windows] = {
    "testsrc", "testsrc2", "smptebars", "rgbtestsrc", "life=mold=10:ratio=0.2", "cellauto=rule=110",
};

class CountingWindow : public MediaWindow
{
public:
    int painted = 0;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        MediaWindow::paintEvent(event);
        if (engine() && !engine()->frame().isNull())
            ++painted;
    }
};

QByteArray statusLine(const char *key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return "?";
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(int(qstrlen(key))).simplified();
    }
    return "?";
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
    return factory.run(
        QStringLiteral("load%1.mpg").arg(index),
        {"-f",       "lavfi",   "-i",   source,       "-f",   "lavfi",
         "-i",       tone,      "-c:v", "mpeg1video", "-q:v", "4",
         "-pix_fmt", "yuv420p", "-c:a", "mp2",        "-t",   QString::number(Seconds),
         "-f",       "mpeg"});
}

} // namespace

int main(int argc, char **argv)
{
    bench::choosePlatform();
    QApplication app(argc, argv);
    if (!bench::ready())
        return 1;

    kvtest::MediaFactory factory;
    std::array<QString, Windows> files;
    for (int i = 0; i < Windows; ++i) {
        files[i] = makeFile(factory, i);
        if (files[i].isEmpty()) {
            std::printf("ffmpeg failed: %s\n", qPrintable(factory.lastError()));
            return 1;
        }
    }

    QWidget top;
    top.resize(3 * Width, 2 * (Height + MediaWindow::PlayBarHeight));
    std::array<CountingWindow *, Windows> windows{};
    std::array<int, Windows> rendered{};
    std::array<bool, Windows> opened{};
    for (int i = 0; i < Windows; ++i) {
        auto *window = new CountingWindow;
        window->setParent(&top);
        window->move((i % 3) * Width, (i / 3) * (Height + MediaWindow::PlayBarHeight));
        window->setVolume(0);
        window->setTimeFormat(QStringLiteral("frames"));
        window->setFileName(files[i]);
        opened[i] = !window->fileName().isEmpty();
        if (opened[i]) {
            QObject::connect(window->engine(), &MediaEngine::frameChanged,
                             [&rendered, i] { ++rendered[i]; });
        }
        window->show();
        windows[i] = window;
    }
    top.show();
    QEventLoop loop;
    QTimer::singleShot(500, &loop, &QEventLoop::quit);
    loop.exec();
    const QByteArray memoryOpen = statusLine("VmHWM:");

    for (int i = 0; i < Windows; ++i) {
        rendered[i] = 0;
        windows[i]->painted = 0;
    }
    const double cpuBefore = bench::cpuSeconds(RUSAGE_SELF);
    QElapsedTimer clock;
    clock.start();
    for (CountingWindow *window : windows)
        window->sendCommand(QStringLiteral("play"));
    auto anyPlaying = [&] {
        for (CountingWindow *window : windows) {
            if (window->mode() == MediaWindow::Mode::Playing)
                return true;
        }
        return false;
    };
    // The loop sleeps between events, so the CPU time is the playing's alone.
    for (CountingWindow *window : windows) {
        QObject::connect(window, &MediaWindow::modeChanged, &loop, [&] {
            if (!anyPlaying())
                loop.quit();
        });
    }
    QTimer::singleShot(PlayLimitMs, &loop, &QEventLoop::quit);
    if (anyPlaying())
        loop.exec();
    const qint64 playedMs = clock.elapsed();
    const double cpu = bench::cpuSeconds(RUSAGE_SELF) - cpuBefore;
    const QByteArray memoryPeak = statusLine("VmHWM:");

    // Decode-only baseline: the children's time, counted once each has been waited for.
    QElapsedTimer decodeClock;
    decodeClock.start();
    const double baseline = bench::decodeOnlyCpu({files.begin(), files.end()});
    const qint64 decodeMs = decodeClock.elapsed();

    const int expected = Seconds * Fps - 1; // the first picture is shown at open
    std::printf("platform %s; %d windows, %dx%d MPEG-1 at %d frames/s, %d s each\n",
                qPrintable(QGuiApplication::platformName()), Windows, Width, Height, Fps, Seconds);
    std::printf("%-3s %-24s %9s %9s %8s %8s %6s\n", "win", "pattern", "expected", "rendered",
                "painted", "dropped", "end");
    int droppedTotal = 0;
    for (int i = 0; i < Windows; ++i) {
        const int dropped = std::max(0, expected - std::min(rendered[i], windows[i]->painted));
        droppedTotal += dropped;
        std::printf("%-3d %-24s %9d %9d %8d %8d %6d%s\n", i + 1, Patterns[i], expected, rendered[i],
                    windows[i]->painted, dropped, windows[i]->position(),
                    opened[i] ? "" : "  (did not open)");
    }
    std::printf("dropped in all: %d of %d\n", droppedTotal, Windows * expected);
    std::printf("played for %.2f s; process CPU %.2f s (%.0f %% of one core)\n", playedMs / 1e3,
                cpu, 100.0 * cpu * 1000.0 / double(playedMs));
    std::printf("baseline ffmpeg decode of the six files: CPU %.2f s (wall %.2f s); ratio %.2f\n",
                baseline, decodeMs / 1e3, baseline > 0 ? cpu / baseline : 0.0);
    std::printf("peak memory (VmHWM): %s after opening, %s after playing\n", memoryOpen.constData(),
                memoryPeak.constData());
    for (CountingWindow *window : windows)
        window->setFileName(QString());
    return 0;
}
