// Reading and seeking a large MIDI file, beside a plain scan of the same bytes measured in the
// same run: the scan is the floor any reader of the file pays.

#include "MidiWriter.h"
#include "media/midi/MidiEngine.h"
#include "media/midi/MidiFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kTracks = 16;
constexpr int kNotesPerTrack = 50'000;
constexpr int kRuns = 7;

QByteArray largeSong()
{
    kvtest::MidiWriter writer(1, 480);
    writer.setRunningStatus(true);
    const int tempo = writer.addTrack();
    for (quint32 i = 0; i < 400; ++i)
        writer.tempoBpm(tempo, i * 960, 90 + (i % 60));
    for (int t = 0; t < kTracks; ++t) {
        const int track = writer.addTrack();
        writer.programChange(track, 0, t, t * 8);
        for (quint32 n = 0; n < kNotesPerTrack; ++n) {
            writer.note(track, n * 120, 100, 36 + int((n * 7 + quint32(t)) % 60), t);
            if (n % 64 == 0)
                writer.controlChange(track, n * 120, t, 7, int(n % 128));
        }
    }
    return writer.toSmf();
}

// Median wall time in microseconds.
double medianUs(const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1000.0);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QByteArray bytes = largeSong();

    volatile qsizetype sink = 0;
    const double scanUs = medianUs([&] {
        qsizetype statusBytes = 0;
        for (const char c : bytes)
            statusBytes += (quint8(c) & 0x80) ? 1 : 0;
        sink = statusBytes;
    });
    MidiFile file;
    const double parseUs = medianUs([&] { file.parse(bytes); });

    std::printf("file: %lld bytes, %zu events, %d tracks, %.1f s long\n",
                static_cast<long long>(bytes.size()), file.events().size(), file.trackCount(),
                file.lengthMsExact() / 1000.0);
    std::printf("baseline byte scan     %10.0f us  (%.0f MB/s)\n", scanUs,
                double(bytes.size()) / scanUs);
    std::printf("MidiFile::parse        %10.0f us  (%.1f x the scan, %.0f ns per event)\n", parseUs,
                parseUs / scanUs, parseUs * 1000.0 / double(file.events().size()));

    if (MidiEngine::findSoundFont(MidiEngine::defaultSoundFontFolders()).isEmpty()) {
        std::printf("no General MIDI soundfont: engine figures skipped\n");
        return 0;
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.mid"));
    kvtest::MidiWriter::save(path, bytes);
    MidiEngine engine;
    engine.setOutput(MidiEngine::Output::Silent);
    const double openUs = medianUs([&] { engine.open(path); });
    const qint64 middle = engine.lengthMs() / 2;
    const double seekUs = medianUs([&] { engine.seekMs(middle); });
    std::printf("MidiEngine::open       %10.0f us  (%.1f x the scan)\n", openUs, openUs / scanUs);
    std::printf("seek to the middle     %10.0f us  (%.1f x the scan)\n", seekUs, seekUs / scanUs);
    return 0;
}
