// Opening time of the media window: from the file name written to the media changed
// notification, and to the first painted picture, for a Cinepak AVI, an MPEG-1 file and an FLC
// animation made at run time. Baseline, in the same run: ffmpeg reading each file to its first
// decoded frame, whole process included. Run it offscreen and under xvfb-run -a.
#include "BenchSupport.h"
#include "FlicWriter.h"
#include "MediaFactory.h"
#include "media/MediaWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int Opens = 20;
constexpr int WaitLimitMs = 10000;

// A media window that notes when it first paints a picture of its media.
class TimedWindow : public MediaWindow
{
public:
    QElapsedTimer *clock = nullptr;
    qint64 paintedNs = -1;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        MediaWindow::paintEvent(event);
        if (paintedNs < 0 && engine() && !engine()->frame().isNull())
            paintedNs = clock->nsecsElapsed();
    }
};

struct Figures
{
    double median = 0;
    double min = 0;
    double max = 0;
    double first = 0;
};

Figures figuresOf(std::vector<double> values)
{
    Figures figures;
    if (values.empty())
        return figures;
    figures.first = values.front();
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    figures.median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    figures.min = values.front();
    figures.max = values.back();
    return figures;
}

// Sleeps in the event loop between events: a spinning wait would take a core from mpv.
bool waitFor(const std::function<bool()> &done, int limitMs = WaitLimitMs)
{
    QTimer tick;
    tick.start(5);
    QElapsedTimer limit;
    limit.start();
    while (!done() && limit.elapsed() < limitMs)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return done();
}

// Lets whatever a close posted arrive, so the next open starts from a quiet window.
void settle()
{
    waitFor([] { return false; }, 50);
}

QString makeFlc(const QString &folder)
{
    constexpr int Width = 320;
    constexpr int Height = 200;
    FlicWriter writer(FlicWriter::Format::Flc, Width, Height, 70);
    QList<QRgb> palette;
    for (int i = 0; i < 256; ++i)
        palette.append(qRgb(i, (i * 3) & 0xFF, 255 - i));
    FlicPicture previous = FlicPicture::pattern(Width, Height, 0);
    writer.addFrame({FlicWriter::colour256(palette), FlicWriter::byteRun(previous)});
    for (int i = 1; i < 50; ++i) {
        const FlicPicture next = FlicPicture::pattern(Width, Height, i);
        writer.addFrame({FlicWriter::deltaFlc(previous, next)});
        previous = next;
    }
    const QString path = folder + QStringLiteral("/open.flc");
    return writer.save(path) ? path : QString();
}

double ffmpegFirstFrameMs(const QString &path)
{
    QElapsedTimer clock;
    clock.start();
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 {"-nostdin", "-v", "quiet", "-i", path, "-frames:v", "1", "-f", "null", "-"});
    ffmpeg.waitForFinished(60000);
    return clock.nsecsElapsed() / 1e6;
}

void printRow(const char *name, const Figures &changed, const Figures &painted,
              const Figures &ffmpeg)
{
    std::printf(
        "%-22s %6.1f [%5.1f-%6.1f] %6.1f | %6.1f [%5.1f-%6.1f] %6.1f | %6.1f [%5.1f-%6.1f]\n", name,
        changed.median, changed.min, changed.max, changed.first, painted.median, painted.min,
        painted.max, painted.first, ffmpeg.median, ffmpeg.min, ffmpeg.max);
}

} // namespace

int main(int argc, char **argv)
{
    bench::choosePlatform();
    QApplication app(argc, argv);
    if (!bench::ready())
        return 1;

    kvtest::MediaFactory factory;
    using Format = kvtest::MediaFactory::Format;
    struct Sample
    {
        const char *name;
        QString path;
    };
    const Sample samples[] = {
        {"Cinepak AVI 320x240", factory.make(Format::AviCinepak, 4, 15, QSize(320, 240)).path},
        {"MPEG-1 640x480", factory.make(Format::Mpeg1, 4, 25, QSize(640, 480)).path},
        {"FLC 320x200", makeFlc(factory.folder())},
    };

    std::printf("platform %s; %d opens of each file, ms (median [min-max] first)\n",
                qPrintable(QGuiApplication::platformName()), Opens);
    std::printf("%-22s %-28s | %-28s | %s\n", "file", "media changed", "first frame painted",
                "baseline: ffmpeg to 1st frame");
    for (const Sample &sample : samples) {
        if (sample.path.isEmpty()) {
            std::printf("%-22s could not be made: %s\n", sample.name,
                        qPrintable(factory.lastError()));
            continue;
        }
        // A window of its own for each file: its first open also makes the engine.
        TimedWindow window;
        QElapsedTimer clock;
        window.clock = &clock;
        window.setVolume(0);
        window.show();
        qint64 changedNs = -1;
        QObject::connect(&window, &MediaWindow::mediaChanged, [&] {
            if (changedNs < 0)
                changedNs = clock.nsecsElapsed();
        });

        std::vector<double> changed;
        std::vector<double> painted;
        for (int i = 0; i < Opens; ++i) {
            window.setFileName(QString());
            settle();
            changedNs = -1;
            window.paintedNs = -1;
            clock.start();
            window.setFileName(sample.path);
            if (!waitFor([&] { return changedNs >= 0 && window.paintedNs >= 0; })) {
                std::printf("%-22s open %d: no %s within %d ms\n", sample.name, i + 1,
                            changedNs < 0 ? "media changed" : "painted picture", WaitLimitMs);
                return 1;
            }
            changed.push_back(changedNs / 1e6);
            painted.push_back(window.paintedNs / 1e6);
        }
        std::vector<double> ffmpeg;
        for (int i = 0; i < Opens; ++i)
            ffmpeg.push_back(ffmpegFirstFrameMs(sample.path));
        printRow(sample.name, figuresOf(changed), figuresOf(painted), figuresOf(ffmpeg));
    }
    return 0;
}
