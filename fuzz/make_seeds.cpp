// Writes small, valid seed files for the fuzzers with the same writers the tests use, so the
// fuzzers start from files that reach every chunk kind and event kind.
#include "FlicWriter.h"
#include "MidiWriter.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstdio>

namespace {

bool write(const QString &dir, const QString &name, const QByteArray &bytes)
{
    QFile file(QDir(dir).filePath(name));
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
    return false;
}

QByteArray flicSeed(FlicWriter::Format format, int width, int height, bool ring)
{
    using W = FlicWriter;
    W writer(format, width, height, format == W::Format::Fli ? 5 : 40);
    if (format == W::Format::Flc)
        writer.addPrefixChunk();
    FlicPicture previous = FlicPicture::pattern(width, height, 0);
    writer.addFrame({W::colour256({qRgb(1, 2, 3), qRgb(250, 128, 7)}), W::byteRun(previous)});
    for (int i = 1; i < 6; ++i) {
        const FlicPicture next = FlicPicture::pattern(width, height, i);
        switch (i) {
        case 1:
            writer.addFrame({format == W::Format::Fli ? W::deltaFli(previous, next)
                                                      : W::deltaFlc(previous, next)});
            break;
        case 2:
            writer.addFrame({W::literal(next), W::postageStamp()});
            break;
        case 3:
            writer.addFrame({W::colour64({qRgb(i, 0, 63)}, i), W::deltaFli(previous, next)});
            break;
        case 4:
            writer.addFrame({W::black(), W::byteRun(next)});
            break;
        default:
            writer.addFrame({W::deltaFlc(previous, next), W::chunk(0x77, QByteArray(4, 'x'))});
            break;
        }
        previous = next;
    }
    if (ring)
        writer.addRingFrame({W::byteRun(FlicPicture::pattern(width, height, 0))});
    return writer.bytes();
}

QByteArray midiSeed(int format)
{
    kvtest::MidiWriter writer(format, 96);
    writer.setRunningStatus(format != 2);
    const int first = writer.addTrack();
    writer.tempo(first, 0, 400000);
    writer.text(first, 0, "seed");
    writer.tempoBpm(first, 200, 90.0);
    writer.programChange(first, 0, 0, 19);
    writer.controlChange(first, 10, 0, 7, 100);
    writer.note(first, 0, 48, 60);
    writer.sysex(first, 24, QByteArray("\x7E\x7F\x09\x01\xF7", 5));
    if (format != 0) {
        const int second = writer.addTrack();
        writer.note(second, 12, 96, 64, 9);
        writer.noteOn(second, 150, 1, 67, 80);
        writer.noteOff(second, 180, 1, 67);
        writer.endOfTrack(second, 300);
    }
    return writer.toSmf();
}

QByteArray smpteSeed()
{
    kvtest::MidiWriter writer(0);
    writer.setSmpteDivision(29, 40);
    const int track = writer.addTrack();
    writer.note(track, 0, 100, 72);
    return writer.toSmf();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s FLIC_SEED_DIR MIDI_SEED_DIR\n", argv[0]);
        return 2;
    }
    const QString flic = QString::fromLocal8Bit(argv[1]);
    const QString midi = QString::fromLocal8Bit(argv[2]);
    if (!QDir().mkpath(flic) || !QDir().mkpath(midi)) {
        std::fprintf(stderr, "cannot make the seed folders\n");
        return 1;
    }
    using F = FlicWriter::Format;
    const bool ok
        = write(flic, "mixed.flc", flicSeed(F::Flc, 17, 9, true))
          && write(flic, "mixed.fli", flicSeed(F::Fli, 16, 8, false))
          && write(flic, "wide.flc", flicSeed(F::Flc, 300, 3, false))
          && write(midi, "format0.mid", midiSeed(0)) && write(midi, "format1.mid", midiSeed(1))
          && write(midi, "format2.mid", midiSeed(2)) && write(midi, "smpte.mid", smpteSeed())
          && write(midi, "format1.rmi", kvtest::MidiWriter::wrapRmi(midiSeed(1)))
          && write(midi, "bare.rmi", kvtest::MidiWriter::wrapRmi(midiSeed(0), false));
    return ok ? 0 : 1;
}
