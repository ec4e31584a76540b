#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

// One channel or system-exclusive message of a MIDI file, placed on the file's timeline.
struct MidiEvent
{
    qint64 tick = 0;
    double ms = 0.0;
    quint8 status = 0; // 0x80..0xEF, or 0xF0 / 0xF7 for system exclusive
    quint8 data1 = 0;
    quint8 data2 = 0;
    quint8 track = 0;
    // System exclusive only: the bytes after the status, in MidiFile::sysexData().
    quint32 sysexOffset = 0;
    quint32 sysexLength = 0;

    bool isNote() const { return (status & 0xE0) == 0x80; } // note on or off
    bool isSysex() const { return status == 0xF0 || status == 0xF7; }
    int channel() const { return status & 0x0F; }
};

// Bounds that keep an absurd file from exhausting memory.
struct MidiLimits
{
    qsizetype maxFileBytes = 64 * 1024 * 1024;
    qsizetype maxEvents = 2'000'000;
    int maxTracks = 1024;
};

// A Standard MIDI File (format 0, 1 or 2), bare or in a RIFF "RMID" wrapper, read whole into
// one merged, time-ordered event list with its tempo map. Format 2 tracks are independent
// sequences; they are laid end to end and play one after the other.
//
// Damaged files are read as far as they make sense: a track that breaks off or turns
// nonsensical ends there, and the tracks before it still play. Only a file with no usable
// header or no track at all is refused.
class MidiFile
{
public:
    using Limits = MidiLimits;

    bool load(const QString &path, const Limits &limits = Limits());
    bool parse(const QByteArray &bytes, const Limits &limits = Limits());

    bool isValid() const { return m_valid; }
    // Why the last load failed, or what was skipped in a file read partially.
    QString errorString() const { return m_error; }
    // True when some of the file was dropped (damaged track, event limit reached).
    bool isPartial() const { return m_partial; }

    int format() const { return m_format; }
    int trackCount() const { return m_trackCount; }
    // Ticks per quarter note, or 0 for a time-code division.
    int ticksPerQuarter() const { return m_ticksPerQuarter; }
    // Ticks per second for a time-code division, or 0.
    double smpteTicksPerSecond() const { return m_smpteTicksPerSecond; }

    // Time of the last event of any track, end-of-track included.
    qint64 lastTick() const { return m_lastTick; }
    double lengthMsExact() const { return tickToMs(m_lastTick); }
    qint64 lengthMs() const;

    double tickToMs(qint64 tick) const;
    qint64 msToTick(double ms) const;

    const std::vector<MidiEvent> &events() const { return m_events; }
    const QByteArray &sysexData() const { return m_sysex; }
    // Index of the first event at or after ms (events().size() when none).
    std::size_t firstEventAtOrAfter(double ms) const;

private:
    struct TempoPoint
    {
        qint64 tick = 0;
        double ms = 0.0;
        quint32 usPerQuarter = 500000;
    };
    struct TrackResult
    {
        qint64 endTick = 0;
        bool damaged = false;
    };

    void reset();
    bool parseSmf(const char *data, qsizetype size, const Limits &limits);
    TrackResult parseTrack(const quint8 *p, const quint8 *end, int track, qint64 tickOffset,
                           std::vector<TempoPoint> &tempos, const Limits &limits);
    void mergeTracks(std::vector<std::size_t> starts);
    void buildTempoMap(std::vector<TempoPoint> tempos);
    double timeAt(const TempoPoint &point, qint64 tick) const;

    bool m_valid = false;
    bool m_partial = false;
    QString m_error;
    int m_format = 0;
    int m_trackCount = 0;
    int m_ticksPerQuarter = 0;
    double m_smpteTicksPerSecond = 0.0;
    qint64 m_lastTick = 0;
    std::vector<TempoPoint> m_tempoMap;
    std::vector<MidiEvent> m_events;
    QByteArray m_sysex;
};
