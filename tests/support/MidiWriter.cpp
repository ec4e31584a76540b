#include "MidiWriter.h"

#include <QFile>

#include <algorithm>
#include <cmath>

namespace kvtest {

namespace {

void appendBe32(QByteArray &out, quint32 v)
{
    out.append(char(v >> 24)).append(char(v >> 16)).append(char(v >> 8)).append(char(v));
}

void appendLe32(QByteArray &out, quint32 v)
{
    out.append(char(v)).append(char(v >> 8)).append(char(v >> 16)).append(char(v >> 24));
}

void appendBe16(QByteArray &out, quint16 v)
{
    out.append(char(v >> 8)).append(char(v));
}

QByteArray bytesOf(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

} // namespace

QByteArray vlq(quint32 value)
{
    QByteArray out;
    out.prepend(char(value & 0x7F));
    value >>= 7;
    while (value) {
        out.prepend(char(0x80 | (value & 0x7F)));
        value >>= 7;
    }
    return out;
}

MidiWriter::MidiWriter(int format, int ticksPerQuarter)
    : m_format(format)
    , m_division(quint16(ticksPerQuarter))
{}

void MidiWriter::setSmpteDivision(int fps, int ticksPerFrame)
{
    m_division = quint16((quint8(-fps) << 8) | quint8(ticksPerFrame));
}

int MidiWriter::addTrack()
{
    m_tracks.emplace_back();
    return int(m_tracks.size()) - 1;
}

void MidiWriter::add(int track, quint32 tick, QByteArray bytes, bool channelMessage)
{
    m_tracks.at(track).events.push_back({tick, std::move(bytes), channelMessage});
}

void MidiWriter::tempo(int track, quint32 tick, quint32 us)
{
    add(track, tick,
        bytesOf({0xFF, 0x51, 3, int(us >> 16) & 0xFF, int(us >> 8) & 0xFF, int(us) & 0xFF}), false);
}

void MidiWriter::tempoBpm(int track, quint32 tick, double bpm)
{
    tempo(track, tick, quint32(std::lround(60'000'000.0 / bpm)));
}

void MidiWriter::noteOn(int track, quint32 tick, int channel, int key, int velocity)
{
    add(track, tick, bytesOf({0x90 | channel, key, velocity}), true);
}

void MidiWriter::noteOff(int track, quint32 tick, int channel, int key)
{
    add(track, tick, bytesOf({0x80 | channel, key, 0x40}), true);
}

void MidiWriter::programChange(int track, quint32 tick, int channel, int program)
{
    add(track, tick, bytesOf({0xC0 | channel, program}), true);
}

void MidiWriter::controlChange(int track, quint32 tick, int channel, int controller, int value)
{
    add(track, tick, bytesOf({0xB0 | channel, controller, value}), true);
}

void MidiWriter::sysex(int track, quint32 tick, const QByteArray &bytesAfterF0)
{
    add(track, tick, QByteArray(1, char(0xF0)) + vlq(quint32(bytesAfterF0.size())) + bytesAfterF0,
        false);
}

void MidiWriter::text(int track, quint32 tick, const QByteArray &text)
{
    add(track, tick, bytesOf({0xFF, 0x01}) + vlq(quint32(text.size())) + text, false);
}

void MidiWriter::note(int track, quint32 tick, quint32 duration, int key, int channel)
{
    noteOn(track, tick, channel, key, 100);
    noteOff(track, tick + duration, channel, key);
}

void MidiWriter::endOfTrack(int track, quint32 tick)
{
    m_tracks.at(track).endTick = tick;
}

QByteArray MidiWriter::trackBytes(const Track &track) const
{
    std::vector<Event> events = track.events;
    std::stable_sort(events.begin(), events.end(),
                     [](const Event &a, const Event &b) { return a.tick < b.tick; });
    QByteArray body;
    quint32 now = 0;
    char running = 0;
    for (const Event &event : events) {
        body += vlq(event.tick - now);
        now = event.tick;
        if (m_runningStatus && event.channelMessage && event.bytes.at(0) == running) {
            body += event.bytes.mid(1);
        } else {
            body += event.bytes;
        }
        running = event.channelMessage ? event.bytes.at(0) : char(0);
    }
    const quint32 end = std::max<qint64>(track.endTick, now);
    body += vlq(end - now);
    body += bytesOf({0xFF, 0x2F, 0x00});

    QByteArray out("MTrk");
    appendBe32(out, quint32(body.size()));
    return out + body;
}

QByteArray MidiWriter::toSmf() const
{
    QByteArray out("MThd");
    appendBe32(out, 6);
    appendBe16(out, quint16(m_format));
    appendBe16(out, quint16(m_tracks.size()));
    appendBe16(out, m_division);
    for (const Track &track : m_tracks)
        out += trackBytes(track);
    return out;
}

QByteArray MidiWriter::wrapRmi(const QByteArray &smf, bool withInfoChunk)
{
    QByteArray chunks("RMID");
    if (withInfoChunk) {
        const QByteArray info = QByteArray("INFOINAM") + QByteArray("\x04\0\0\0Tst\0", 8);
        QByteArray list = info + "!"; // odd length: a pad byte follows
        chunks += "LIST";
        appendLe32(chunks, quint32(list.size()));
        chunks += list;
        chunks += '\0';
    }
    chunks += "data";
    appendLe32(chunks, quint32(smf.size()));
    chunks += smf;
    if (smf.size() & 1)
        chunks += '\0';
    QByteArray out("RIFF");
    appendLe32(out, quint32(chunks.size()));
    return out + chunks;
}

bool MidiWriter::save(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace kvtest
