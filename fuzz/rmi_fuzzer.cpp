// Feeds arbitrary bytes to the MIDI reader as a bare SMF or an RMI file arrives, then asks what
// the player asks: the length, and tick/millisecond conversions across and beyond the song.
#include "media/midi/MidiFile.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    MidiFile midi;
    if (!midi.parse(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size))))
        return 0;
    const double length = midi.lengthMsExact();
    midi.lengthMs();
    const qint64 ticks[]
        = {0, 1, midi.lastTick() / 3, midi.lastTick() / 2, midi.lastTick(), midi.lastTick() + 1000};
    for (qint64 tick : ticks)
        midi.msToTick(midi.tickToMs(tick));
    const double times[] = {0.0, 0.5, length / 4, length / 2, length, length + 1000.0};
    for (double ms : times) {
        midi.tickToMs(midi.msToTick(ms));
        midi.firstEventAtOrAfter(ms);
    }
    for (const MidiEvent &event : midi.events()) {
        if (event.isSysex()
            && qsizetype(event.sysexOffset) + event.sysexLength > midi.sysexData().size())
            __builtin_trap(); // an event pointing outside the kept bytes
    }
    return 0;
}
