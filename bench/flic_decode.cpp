// Decoding speed of our FLC reader on a 320x200 animation of mixed deltas, beside two
// baselines measured in the same run: copying the same frame buffers, and ffmpeg decoding
// the same file to nothing.
#include "FlicWriter.h"
#include "media/flic/FlicDecoder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr int Width = 320;
constexpr int Height = 200;
constexpr int Frames = 400;

QByteArray makeAnimation()
{
    FlicWriter writer(FlicWriter::Format::Flc, Width, Height, 40);
    FlicPicture previous = FlicPicture::pattern(Width, Height, 0);
    QList<QRgb> palette;
    for (int i = 0; i < 256; ++i)
        palette.append(qRgb(i, (i * 3) & 0xFF, 255 - i));
    writer.addFrame({FlicWriter::colour256(palette), FlicWriter::byteRun(previous)});
    for (int i = 1; i < Frames; ++i) {
        // A moving band of changes over a still background, as in most animations.
        FlicPicture next = previous;
        const FlicPicture source = FlicPicture::pattern(Width, Height, i);
        const int top = (i * 7) % (Height - 60);
        for (int y = top; y < top + 60; ++y)
            for (int x = (i * 5) % 100; x < (i * 5) % 100 + 180; ++x)
                next.set(x, y, source.at(x, y));
        writer.addFrame(
            {i % 2 ? FlicWriter::deltaFlc(previous, next) : FlicWriter::deltaFli(previous, next)});
        previous = next;
    }
    return writer.bytes();
}

double perSecond(int count, qint64 nsecs)
{
    return nsecs > 0 ? count * 1e9 / double(nsecs) : 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QByteArray file = makeAnimation();
    std::printf("animation: %dx%d, %d frames, %lld bytes\n", Width, Height, Frames,
                static_cast<long long>(file.size()));

    FlicDecoder decoder;
    if (!decoder.openData(file))
        return 1;
    QElapsedTimer clock;
    constexpr int Rounds = 5;

    clock.start();
    for (int round = 0; round < Rounds; ++round)
        for (int frame = round % 2; frame < Frames; ++frame)
            decoder.seekFrame(frame);
    const double inOrder = perSecond(Rounds * Frames, clock.nsecsElapsed());

    clock.restart();
    qint64 checksum = 0;
    for (int frame = 0; frame < Frames; ++frame) {
        decoder.seekFrame(frame);
        checksum += decoder.toImage().pixel(frame % Width, frame % Height);
    }
    const double withImage = perSecond(Frames, clock.nsecsElapsed());

    QRandomGenerator random(1);
    clock.restart();
    for (int i = 0; i < 2000; ++i)
        decoder.seekFrame(int(random.bounded(Frames)));
    const double seeks = perSecond(2000, clock.nsecsElapsed());

    clock.restart();
    for (int frame = Frames - 1; frame >= 0; --frame)
        decoder.seekFrame(frame);
    const double backward = perSecond(Frames, clock.nsecsElapsed());

    // Baseline 1: copying each frame buffer once, the least any player does per frame.
    std::vector<uchar> source(decoder.pixels()), target(source.size());
    clock.restart();
    for (int i = 0; i < Rounds * Frames; ++i) {
        source[size_t(i) % source.size()] = uchar(i);
        std::memcpy(target.data(), source.data(), source.size());
        checksum += target[size_t(i * 31) % target.size()];
    }
    const double copies = perSecond(Rounds * Frames, clock.nsecsElapsed());

    std::printf("decode in order:        %10.0f frames/s\n", inOrder);
    std::printf("decode + RGB32 picture: %10.0f frames/s\n", withImage);
    std::printf("random seeks:           %10.0f seeks/s (checkpoint every %d frames)\n", seeks,
                decoder.checkpointInterval());
    std::printf("stepping backward:      %10.0f frames/s\n", backward);
    std::printf("baseline memcpy:        %10.0f frames/s\n", copies);

    // Baseline 2: ffmpeg's own FLIC decoder on the same file.
    const QString ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.flc"));
    QFile out(path);
    if (!ffmpeg.isEmpty() && out.open(QIODevice::WriteOnly) && out.write(file) == file.size()) {
        out.close();
        QProcess process;
        clock.restart();
        process.start(ffmpeg,
                      {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-threads"),
                       QStringLiteral("1"), QStringLiteral("-i"), path, QStringLiteral("-f"),
                       QStringLiteral("null"), QStringLiteral("-")});
        process.waitForFinished(120000);
        std::printf("baseline ffmpeg -f null: %9.0f frames/s (whole process, start included)\n",
                    perSecond(Frames, clock.nsecsElapsed()));
    } else {
        std::printf("baseline ffmpeg: not installed\n");
    }
    std::printf("(checksum %lld)\n", static_cast<long long>(checksum));
    return 0;
}
