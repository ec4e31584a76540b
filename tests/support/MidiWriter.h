#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace kvtest {

// Writes small Standard MIDI Files (format 0, 1 or 2) and RIFF "RMID" wrappers, so tests know
// exactly what a file holds and how long it lasts. Events are given at absolute ticks; the
// writer sorts them and computes the delta times.
class MidiWriter
{
public:
    explicit MidiWriter(int format = 1, int ticksPerQuarter = 480);

    // A time-code division: fps is 24, 25, 29 (30 drop-frame) or 30.
    void setSmpteDivision(int fps, int ticksPerFrame);
    // Omits repeated status bytes, as most real files do.
    void setRunningStatus(bool on) { m_runningStatus = on; }

    // Returns the new track's index.
    int addTrack();
    void tempo(int track, quint32 tick, quint32 usPerQuarter);
    void tempoBpm(int track, quint32 tick, double bpm);
    void noteOn(int track, quint32 tick, int channel, int key, int velocity);
    void noteOff(int track, quint32 tick, int channel, int key);
    void programChange(int track, quint32 tick, int channel, int program);
    void controlChange(int track, quint32 tick, int channel, int controller, int value);
    void sysex(int track, quint32 tick, const QByteArray &bytesAfterF0);
    void text(int track, quint32 tick, const QByteArray &text);
    // A note from tick to tick + duration on channel 0.
    void note(int track, quint32 tick, quint32 duration, int key = 60, int channel = 0);
    // By default each track ends at its last event; this sets a later end.
    void endOfTrack(int track, quint32 tick);

    QByteArray toSmf() const;

    // The SMF in a RIFF "RMID" wrapper. An odd-sized INFO list before the data chunk checks
    // that readers honour the pad byte.
    static QByteArray wrapRmi(const QByteArray &smf, bool withInfoChunk = true);
    static bool save(const QString &path, const QByteArray &bytes);

private:
    struct Event
    {
        quint32 tick;
        QByteArray bytes; // status first; meta and sysex complete with their lengths
        bool channelMessage;
    };
    struct Track
    {
        std::vector<Event> events;
        qint64 endTick = -1;
    };

    void add(int track, quint32 tick, QByteArray bytes, bool channelMessage);
    QByteArray trackBytes(const Track &track) const;

    int m_format;
    quint16 m_division;
    bool m_runningStatus = false;
    std::vector<Track> m_tracks;
};

QByteArray vlq(quint32 value);

} // namespace kvtest
