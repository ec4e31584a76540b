#include "media/midi/MidiFile.h"

#include <QFile>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr quint32 kDefaultUsPerQuarter = 500000; // 120 beats per minute
constexpr int kMaxVlqBytes = 4;

quint32 readBe32(const quint8 *p)
{
    return quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | quint32(p[3]);
}

quint32 readLe32(const quint8 *p)
{
    return quint32(p[3]) << 24 | quint32(p[2]) << 16 | quint32(p[1]) << 8 | quint32(p[0]);
}

quint16 readBe16(const quint8 *p)
{
    return quint16(p[0] << 8 | p[1]);
}

bool hasTag(const quint8 *p, const char *tag)
{
    return std::memcmp(p, tag, 4) == 0;
}

// A variable-length quantity of at most four bytes, as the file format allows; anything
// longer is damage, and reading on would give absurd times or lengths.
bool readVlq(const quint8 *&p, const quint8 *end, quint32 &value)
{
    value = 0;
    for (int i = 0; i < kMaxVlqBytes; ++i) {
        if (p >= end)
            return false;
        const quint8 byte = *p++;
        value = (value << 7) | (byte & 0x7F);
        if (!(byte & 0x80))
            return true;
    }
    return false;
}

int dataBytesFor(quint8 status)
{
    const quint8 kind = status & 0xF0;
    return (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
}

} // namespace

void MidiFile::reset()
{
    *this = MidiFile();
}

bool MidiFile::load(const QString &path, const Limits &limits)
{
    reset();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = file.errorString();
        return false;
    }
    if (file.size() > limits.maxFileBytes) {
        m_error = QStringLiteral("file too large for a MIDI file (%1 bytes)").arg(file.size());
        return false;
    }
    return parse(file.readAll(), limits);
}

bool MidiFile::parse(const QByteArray &bytes, const Limits &limits)
{
    reset();
    if (bytes.size() > limits.maxFileBytes) {
        m_error = QStringLiteral("file too large for a MIDI file");
        return false;
    }
    const auto *data = reinterpret_cast<const quint8 *>(bytes.constData());
    const qsizetype size = bytes.size();

    if (size >= 12 && hasTag(data, "RIFF") && hasTag(data + 8, "RMID")) {
        // The RIFF size field is often wrong in the wild, so the chunks are walked up to the
        // real end of the file instead.
        qint64 pos = 12;
        while (pos + 8 <= size) {
            const quint8 *chunk = data + pos;
            const qint64 start = pos + 8;
            const qint64 length = std::min<qint64>(readLe32(chunk + 4), size - start);
            if (hasTag(chunk, "data"))
                return parseSmf(bytes.constData() + start, length, limits);
            pos = start + length + (length & 1);
        }
        m_error = QStringLiteral("RIFF RMID file without a data chunk");
        return false;
    }
    return parseSmf(bytes.constData(), size, limits);
}

bool MidiFile::parseSmf(const char *bytes, qsizetype size, const Limits &limits)
{
    const auto *data = reinterpret_cast<const quint8 *>(bytes);
    if (size < 14 || !hasTag(data, "MThd")) {
        m_error = QStringLiteral("not a MIDI file");
        return false;
    }
    const qint64 headerLength = readBe32(data + 4);
    if (headerLength < 6 || headerLength > size - 8) {
        m_error = QStringLiteral("bad MIDI header length %1").arg(headerLength);
        return false;
    }
    m_format = readBe16(data + 8);
    const quint16 division = readBe16(data + 12);
    if (m_format > 2) {
        m_error = QStringLiteral("unknown MIDI file format %1").arg(m_format);
        return false;
    }
    if (division & 0x8000) {
        const int fps = -qint8(division >> 8);
        const int ticksPerFrame = division & 0xFF;
        if (fps <= 0 || ticksPerFrame == 0) {
            m_error = QStringLiteral("bad time-code division 0x%1").arg(division, 4, 16);
            return false;
        }
        // "29" stands for the NTSC drop-frame rate.
        const double frameRate = fps == 29 ? 30000.0 / 1001.0 : double(fps);
        m_smpteTicksPerSecond = frameRate * ticksPerFrame;
    } else {
        if (division == 0) {
            m_error = QStringLiteral("division of zero ticks per quarter note");
            return false;
        }
        m_ticksPerQuarter = division;
    }

    std::vector<TempoPoint> tempos;
    std::vector<std::size_t> trackStarts;
    qint64 pos = 8 + headerLength;
    qint64 sequenceEnd = 0; // format 2: where the next sequence starts
    while (pos + 8 <= size && m_trackCount < limits.maxTracks) {
        const quint8 *chunk = data + pos;
        const qint64 start = pos + 8;
        qint64 length = readBe32(chunk + 4);
        if (length > size - start) {
            length = size - start;
            m_partial = true;
            m_error = QStringLiteral("track chunk runs past the end of the file");
        }
        pos = start + length;
        if (!hasTag(chunk, "MTrk"))
            continue;
        if (qsizetype(m_events.size() + tempos.size()) >= limits.maxEvents) {
            m_partial = true;
            break;
        }
        const qint64 offset = m_format == 2 ? sequenceEnd : 0;
        if (m_format == 2 && m_trackCount > 0 && m_ticksPerQuarter > 0)
            tempos.push_back({offset, 0.0, kDefaultUsPerQuarter}); // each sequence starts afresh
        trackStarts.push_back(m_events.size());
        const TrackResult result
            = parseTrack(data + start, data + start + length, m_trackCount, offset, tempos, limits);
        if (result.damaged)
            m_partial = true;
        sequenceEnd = result.endTick;
        m_lastTick = std::max(m_lastTick, result.endTick);
        ++m_trackCount;
    }
    if (m_trackCount == 0) {
        m_error = QStringLiteral("MIDI file without a track");
        return false;
    }

    mergeTracks(trackStarts);
    buildTempoMap(std::move(tempos));
    // Events and tempo points are both in time order: one walk gives every event its time.
    std::size_t point = 0;
    for (MidiEvent &event : m_events) {
        while (point + 1 < m_tempoMap.size() && m_tempoMap[point + 1].tick <= event.tick)
            ++point;
        event.ms = timeAt(m_tempoMap[point], event.tick);
    }
    m_valid = true;
    return true;
}

MidiFile::TrackResult MidiFile::parseTrack(const quint8 *p, const quint8 *end, int track,
                                           qint64 tickOffset, std::vector<TempoPoint> &tempos,
                                           const Limits &limits)
{
    TrackResult result;
    result.endTick = tickOffset;
    qint64 tick = tickOffset;
    quint8 running = 0;
    const auto damaged = [&](const char *why) {
        result.damaged = true;
        m_error = QStringLiteral("track %1 damaged: %2").arg(track).arg(QLatin1String(why));
        return result;
    };

    while (p < end) {
        if (qsizetype(m_events.size() + tempos.size()) >= limits.maxEvents)
            return damaged("too many events");
        quint32 delta = 0;
        if (!readVlq(p, end, delta))
            return damaged("bad delta time");
        tick += delta;
        if (p >= end)
            return damaged("delta time without an event");
        const quint8 lead = *p;

        if (lead == 0xFF) {
            ++p;
            if (p >= end)
                return damaged("meta event cut short");
            const quint8 type = *p++;
            quint32 length = 0;
            if (!readVlq(p, end, length) || length > quint32(end - p))
                return damaged("meta event length past the track");
            if (type == 0x51 && length >= 3) {
                const quint32 us = quint32(p[0]) << 16 | quint32(p[1]) << 8 | p[2];
                if (us > 0)
                    tempos.push_back({tick, 0.0, us});
            }
            p += length;
            result.endTick = tick;
            if (type == 0x2F)
                return result;
            continue;
        }

        MidiEvent event;
        event.tick = tick;
        event.track = quint8(std::min(track, 255));
        if (lead == 0xF0 || lead == 0xF7) {
            ++p;
            quint32 length = 0;
            if (!readVlq(p, end, length) || length > quint32(end - p))
                return damaged("system exclusive length past the track");
            event.status = lead;
            event.sysexOffset = quint32(m_sysex.size());
            event.sysexLength = length;
            m_sysex.append(reinterpret_cast<const char *>(p), length);
            p += length;
            running = 0;
            m_events.push_back(event);
            result.endTick = tick;
            continue;
        }
        if (lead > 0xF0)
            return damaged("system message not allowed in a file");
        if (lead & 0x80) {
            running = lead;
            ++p;
        } else if (running == 0) {
            return damaged("data byte without a status");
        }
        event.status = running;
        const int count = dataBytesFor(running);
        if (end - p < count)
            return damaged("channel message cut short");
        if ((p[0] & 0x80) || (count == 2 && (p[1] & 0x80)))
            return damaged("status byte where data was expected");
        event.data1 = p[0];
        event.data2 = count == 2 ? p[1] : 0;
        p += count;
        m_events.push_back(event);
        result.endTick = tick;
    }
    return result;
}

void MidiFile::mergeTracks(std::vector<std::size_t> starts)
{
    // Each track is in time order already; merging neighbours pairwise is stable, so
    // simultaneous events keep the order of their tracks and of the file.
    const auto byTick = [](const MidiEvent &a, const MidiEvent &b) {
        return a.tick < b.tick;
    };
    starts.push_back(m_events.size());
    while (starts.size() > 2) {
        std::vector<std::size_t> merged;
        std::size_t i = 0;
        for (; i + 2 < starts.size(); i += 2) {
            std::inplace_merge(m_events.begin() + qsizetype(starts[i]),
                               m_events.begin() + qsizetype(starts[i + 1]),
                               m_events.begin() + qsizetype(starts[i + 2]), byTick);
            merged.push_back(starts[i]);
        }
        for (; i < starts.size(); ++i)
            merged.push_back(starts[i]);
        starts = std::move(merged);
    }
}

double MidiFile::timeAt(const TempoPoint &point, qint64 tick) const
{
    if (m_smpteTicksPerSecond > 0)
        return double(tick) * 1000.0 / m_smpteTicksPerSecond;
    return point.ms + double(tick - point.tick) * point.usPerQuarter / (1000.0 * m_ticksPerQuarter);
}

void MidiFile::buildTempoMap(std::vector<TempoPoint> tempos)
{
    std::stable_sort(tempos.begin(), tempos.end(),
                     [](const TempoPoint &a, const TempoPoint &b) { return a.tick < b.tick; });
    m_tempoMap.clear();
    m_tempoMap.push_back({0, 0.0, kDefaultUsPerQuarter});
    for (const TempoPoint &point : tempos) {
        TempoPoint &last = m_tempoMap.back();
        if (point.tick == last.tick) {
            last.usPerQuarter = point.usPerQuarter; // the later of simultaneous changes wins
            continue;
        }
        const double ms
            = last.ms
              + double(point.tick - last.tick) * last.usPerQuarter / (1000.0 * m_ticksPerQuarter);
        m_tempoMap.push_back({point.tick, ms, point.usPerQuarter});
    }
}

qint64 MidiFile::lengthMs() const
{
    return m_valid ? std::llround(lengthMsExact()) : 0;
}

double MidiFile::tickToMs(qint64 tick) const
{
    if (m_smpteTicksPerSecond > 0)
        return double(tick) * 1000.0 / m_smpteTicksPerSecond;
    if (m_tempoMap.empty() || m_ticksPerQuarter == 0)
        return 0.0;
    auto it = std::upper_bound(m_tempoMap.begin(), m_tempoMap.end(), tick,
                               [](qint64 t, const TempoPoint &p) { return t < p.tick; });
    return timeAt(it == m_tempoMap.begin() ? m_tempoMap.front() : *std::prev(it), tick);
}

namespace {

// Ticks beyond any song: keeps the conversion of an absurd time defined.
qint64 wholeTicks(double ticks)
{
    constexpr double kLimit = 4.0e15;
    return qint64(std::floor(std::clamp(ticks, -kLimit, kLimit)));
}

} // namespace

qint64 MidiFile::msToTick(double ms) const
{
    // A hair of tolerance so that tickToMs followed by msToTick gives the same tick back.
    constexpr double kEpsilon = 1e-6;
    if (std::isnan(ms))
        return 0;
    if (m_smpteTicksPerSecond > 0)
        return wholeTicks(ms * m_smpteTicksPerSecond / 1000.0 + kEpsilon);
    if (m_tempoMap.empty() || m_ticksPerQuarter == 0)
        return 0;
    auto it = std::upper_bound(m_tempoMap.begin(), m_tempoMap.end(), ms,
                               [](double t, const TempoPoint &p) { return t < p.ms; });
    const TempoPoint &point = it == m_tempoMap.begin() ? m_tempoMap.front() : *std::prev(it);
    const double ticks = (ms - point.ms) * 1000.0 * m_ticksPerQuarter / point.usPerQuarter;
    return point.tick + wholeTicks(ticks + kEpsilon);
}

std::size_t MidiFile::firstEventAtOrAfter(double ms) const
{
    auto it = std::lower_bound(m_events.begin(), m_events.end(), ms,
                               [](const MidiEvent &e, double t) { return e.ms < t; });
    return std::size_t(it - m_events.begin());
}
