// Open time and rendered frames per second of the media window's libmpv engine on a generated
// 320x240 MPEG-4 AVI, beside ffmpeg opening and decoding the same file, measured in the same
// run. A fast play (speed 4) shows how many pictures the software renderer delivers. Repeat play
// of a one-second 20 frames/s AVI, with and without a sound track, gives the largest gap between
// pictures where it wraps, beside the frame interval.
#include "MediaFactory.h"
#include "media/MediaWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <clocale>
#include <cstdio>

namespace {

constexpr int Seconds = 5;
constexpr int Fps = 60;
constexpr int Opens = 5;
constexpr int LoopFps = 20;
constexpr int LoopPlayMs = 4500;
constexpr int LoopWarmUpMs = 500; // the decoder and the sound output starting

struct LoopGaps
{
    qint64 atWrap = 0;
    qint64 elsewhere = 0;
    int wraps = 0;
};

qint64 timeFfmpeg(const QStringList &arguments)
{
    QElapsedTimer clock;
    clock.start();
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"), arguments);
    ffmpeg.waitForFinished(120000);
    return clock.elapsed();
}

LoopGaps measureLoop(kvtest::MediaFactory &factory, bool withSound)
{
    QStringList arguments{"-f", "lavfi", "-i",
                          QStringLiteral("testsrc=size=64x48:rate=%1:duration=1").arg(LoopFps)};
    if (withSound)
        arguments << "-f"
                  << "lavfi"
                  << "-i"
                  << "sine=duration=1"
                  << "-c:a"
                  << "pcm_s16le";
    arguments << "-c:v"
              << "mpeg4";
    const QString path
        = factory.run(QStringLiteral("loop%1.avi").arg(withSound ? "av" : "v"), arguments);
    LoopGaps gaps;
    if (path.isEmpty())
        return gaps;

    MediaWindow window;
    window.setVolume(0);
    window.setFileName(path);
    QList<qint64> times;
    QList<qint64> positions;
    QElapsedTimer clock;
    QObject::connect(window.engine(), &MediaEngine::frameChanged, [&] {
        times << clock.elapsed();
        positions << window.engine()->positionMs();
    });
    clock.start();
    window.sendCommand(QStringLiteral("play repeat"));
    while (clock.elapsed() < LoopPlayMs)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    window.sendCommand(QStringLiteral("stop"));

    for (qsizetype i = 1; i < times.size(); ++i) {
        if (times.at(i - 1) < LoopWarmUpMs)
            continue;
        const qint64 gap = times.at(i) - times.at(i - 1);
        if (positions.at(i) < positions.at(i - 1)) {
            gaps.atWrap = std::max(gaps.atWrap, gap);
            ++gaps.wraps;
        } else {
            gaps.elsewhere = std::max(gaps.elsewhere, gap);
        }
    }
    return gaps;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    if (!kvtest::MediaFactory::ffmpegAvailable()) {
        std::puts("ffmpeg is missing: nothing to measure");
        return 1;
    }
    kvtest::MediaFactory factory;
    const kvtest::GeneratedMedia media
        = factory.make(kvtest::MediaFactory::Format::AviMpeg4, Seconds, Fps, QSize(320, 240));
    if (media.path.isEmpty()) {
        std::printf("ffmpeg failed: %s\n", qPrintable(factory.lastError()));
        return 1;
    }

    MediaWindow window;
    window.setVolume(0);
    qint64 openTotal = 0;
    for (int i = 0; i < Opens; ++i) {
        window.setFileName(QString());
        QElapsedTimer clock;
        clock.start();
        window.setFileName(media.path);
        openTotal += clock.elapsed();
    }
    qint64 ffmpegOpenTotal = 0;
    for (int i = 0; i < Opens; ++i) {
        ffmpegOpenTotal
            += timeFfmpeg({"-v", "error", "-i", media.path, "-frames:v", "1", "-f", "null", "-"});
    }
    std::printf("open: media window %.1f ms, ffmpeg to first frame %.1f ms (mean of %d)\n",
                double(openTotal) / Opens, double(ffmpegOpenTotal) / Opens, Opens);

    int rendered = 0;
    QObject::connect(window.engine(), &MediaEngine::frameChanged, [&] { ++rendered; });
    window.setSpeed(4000);
    QElapsedTimer playClock;
    playClock.start();
    window.sendCommand(QStringLiteral("play"));
    while (window.mode() == MediaWindow::Mode::Playing && playClock.elapsed() < 60000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    const qint64 playMs = playClock.elapsed();

    const qint64 decodeMs = timeFfmpeg({"-v", "error", "-i", media.path, "-an", "-f", "null", "-"});
    std::printf("frames: media window rendered %d of %lld in %lld ms = %.0f frames/s at speed "
                "4 (the media asks for %d/s)\n",
                rendered, media.frames, playMs, rendered * 1000.0 / playMs, Fps * 4);
    std::printf("baseline: ffmpeg decoded %lld frames to null in %lld ms = %.0f frames/s\n",
                media.frames, decodeMs, media.frames * 1000.0 / std::max<qint64>(decodeMs, 1));

    for (bool withSound : {false, true}) {
        const LoopGaps gaps = measureLoop(factory, withSound);
        std::printf("repeat %s: largest gap %lld ms over %d wraps, %lld ms between them "
                    "(frame interval %d ms)\n",
                    withSound ? "with sound   " : "picture only", gaps.atWrap, gaps.wraps,
                    gaps.elsewhere, 1000 / LoopFps);
    }
    return 0;
}
