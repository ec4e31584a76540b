#include "FlicWriter.h"

#include <QFile>

namespace {

void put16(QByteArray &out, int value)
{
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

void put32(QByteArray &out, quint32 value)
{
    put16(out, int(value & 0xFFFF));
    put16(out, int(value >> 16));
}

void set16(QByteArray &out, int at, int value)
{
    out[at] = char(value & 0xFF);
    out[at + 1] = char((value >> 8) & 0xFF);
}

void set32(QByteArray &out, int at, quint32 value)
{
    set16(out, at, int(value & 0xFFFF));
    set16(out, at + 2, int(value >> 16));
}

QByteArray colourChunk(quint16 type, const QList<QRgb> &colours, int first, int shift)
{
    QByteArray payload;
    put16(payload, 1);
    payload.append(char(first));
    payload.append(char(colours.size() & 0xFF)); // 256 is written as 0
    for (QRgb c : colours) {
        payload.append(char(qRed(c) >> shift));
        payload.append(char(qGreen(c) >> shift));
        payload.append(char(qBlue(c) >> shift));
    }
    return FlicWriter::chunk(type, payload);
}

int equalRun(const char *row, int x, int width, int limit)
{
    int run = 1;
    while (x + run < width && run < limit && row[x + run] == row[x])
        ++run;
    return run;
}

// Packets of one line of a line-compressed delta: skip, then literal or repeated bytes.
QByteArray fliLine(const char *from, const char *to, int width, int *packets)
{
    QByteArray out;
    *packets = 0;
    int x = 0;
    int done = 0;
    while (true) {
        while (x < width && from[x] == to[x])
            ++x;
        if (x >= width)
            break;
        int skip = x - done;
        while (skip > 255) {
            out.append(char(255));
            out.append(char(0));
            ++*packets;
            skip -= 255;
        }
        out.append(char(skip));
        const int run = equalRun(to, x, width, 127);
        if (run >= 3) {
            out.append(char(-run));
            out.append(to[x]);
            x += run;
        } else {
            int n = 0;
            while (x + n < width && n < 127 && from[x + n] != to[x + n]
                   && equalRun(to, x + n, width, 3) < 3)
                ++n;
            n = std::max(n, 1);
            out.append(char(n));
            out.append(to + x, n);
            x += n;
        }
        done = x;
        ++*packets;
    }
    return out;
}

} // namespace

FlicPicture FlicPicture::filled(int width, int height, uchar value)
{
    return {width, height, QByteArray(width * height, char(value))};
}

FlicPicture FlicPicture::pattern(int width, int height, int seed)
{
    FlicPicture picture = filled(width, height, 0);
    quint32 noise = quint32(seed) * 2654435761u + 1;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            noise = noise * 1103515245u + 12345u;
            uchar value;
            if ((y + seed) % 3 == 0)
                value = uchar((x / 7 + seed) & 0xFF); // runs
            else if ((x + y + seed) % 5 == 0)
                value = uchar(noise >> 24); // noise
            else
                value = uchar((x + y * 3 + seed * 11) & 0xFF); // gradient
            picture.set(x, y, value);
        }
    }
    return picture;
}

FlicWriter::FlicWriter(Format format, int width, int height, quint32 speed)
    : m_format(format)
    , m_width(width)
    , m_height(height)
    , m_speed(speed)
{}

void FlicWriter::addPrefixChunk()
{
    m_prefix = true;
}

void FlicWriter::addFrame(const QList<QByteArray> &chunks)
{
    m_frames.append(frameChunk(chunks));
}

void FlicWriter::addRingFrame(const QList<QByteArray> &chunks)
{
    m_ring = frameChunk(chunks);
}

QByteArray FlicWriter::frameChunk(const QList<QByteArray> &chunks) const
{
    QByteArray out;
    put32(out, 0);
    put16(out, 0xF1FA);
    put16(out, int(chunks.size()));
    out.append(8, '\0'); // delay, reserved, width, height overrides: none
    for (const QByteArray &c : chunks)
        out.append(c);
    set32(out, 0, quint32(out.size()));
    return out;
}

QByteArray FlicWriter::bytes() const
{
    QByteArray out(128, '\0');
    const bool fli = m_format == Format::Fli;
    set16(out, 4, fli ? 0xAF11 : 0xAF12);
    set16(out, 6, m_headerFrames >= 0 ? m_headerFrames : int(m_frames.size()));
    set16(out, 8, m_width);
    set16(out, 10, m_height);
    set16(out, 12, 8);
    set16(out, 14, 3);
    if (fli)
        set16(out, 16, int(m_speed));
    else
        set32(out, 16, m_speed);
    if (m_prefix && !fli) {
        QByteArray prefix;
        put32(prefix, 16);
        put16(prefix, 0xF100);
        prefix.append(10, '\0');
        out.append(prefix);
    }
    if (!fli) {
        set32(out, 80, quint32(out.size()));
        set32(out, 84, quint32(out.size() + (m_frames.isEmpty() ? 0 : m_frames.first().size())));
    }
    for (const QByteArray &frame : m_frames)
        out.append(frame);
    out.append(m_ring);
    set32(out, 0, quint32(out.size()));
    return out;
}

bool FlicWriter::save(const QString &path) const
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes()) == bytes().size();
}

QByteArray FlicWriter::chunk(quint16 type, const QByteArray &payload)
{
    QByteArray out;
    put32(out, quint32(6 + payload.size() + (payload.size() % 2)));
    put16(out, type);
    out.append(payload);
    if (payload.size() % 2)
        out.append('\0');
    return out;
}

QByteArray FlicWriter::colour256(const QList<QRgb> &colours, int first)
{
    return colourChunk(4, colours, first, 0);
}

QByteArray FlicWriter::colour64(const QList<QRgb> &levels, int first)
{
    return colourChunk(11, levels, first, 0);
}

QByteArray FlicWriter::byteRun(const FlicPicture &picture)
{
    QByteArray payload;
    for (int y = 0; y < picture.height; ++y) {
        const char *row = picture.pixels.constData() + y * picture.width;
        const qsizetype countAt = payload.size();
        payload.append('\0');
        int packets = 0;
        int x = 0;
        while (x < picture.width) {
            const int run = equalRun(row, x, picture.width, 127);
            if (run >= 3) {
                payload.append(char(run));
                payload.append(row[x]);
                x += run;
            } else {
                int n = 0;
                while (x + n < picture.width && n < 127
                       && equalRun(row, x + n, picture.width, 3) < 3)
                    ++n;
                payload.append(char(-n));
                payload.append(row + x, n);
                x += n;
            }
            ++packets;
        }
        payload[countAt] = char(packets < 256 ? packets : 0);
    }
    return chunk(15, payload);
}

QByteArray FlicWriter::deltaFli(const FlicPicture &from, const FlicPicture &to)
{
    int first = 0;
    while (first < to.height
           && from.pixels.mid(first * to.width, to.width)
                  == to.pixels.mid(first * to.width, to.width))
        ++first;
    int last = to.height - 1;
    while (last > first
           && from.pixels.mid(last * to.width, to.width)
                  == to.pixels.mid(last * to.width, to.width))
        --last;
    QByteArray payload;
    if (first >= to.height) {
        put16(payload, 0);
        put16(payload, 0);
        return chunk(12, payload);
    }
    put16(payload, first);
    put16(payload, last - first + 1);
    for (int y = first; y <= last; ++y) {
        const char *a = from.pixels.constData() + y * to.width;
        const char *b = to.pixels.constData() + y * to.width;
        int packets = 0;
        QByteArray line = fliLine(a, b, to.width, &packets);
        if (packets > 255) {
            // Too many small changes: the whole line as literal packets.
            line.clear();
            packets = 0;
            for (int x = 0; x < to.width; x += 127, ++packets) {
                const int n = std::min(127, to.width - x);
                line.append('\0');
                line.append(char(n));
                line.append(b + x, n);
            }
        }
        payload.append(char(packets));
        payload.append(line);
    }
    return chunk(12, payload);
}

QByteArray FlicWriter::deltaFlc(const FlicPicture &from, const FlicPicture &to)
{
    QByteArray payload;
    put16(payload, 0);
    int lines = 0;
    int skipped = 0;
    const int pairs = to.width / 2;
    const bool odd = to.width % 2;
    for (int y = 0; y < to.height; ++y) {
        const char *a = from.pixels.constData() + y * to.width;
        const char *b = to.pixels.constData() + y * to.width;
        if (std::equal(a, a + to.width, b)) {
            ++skipped;
            continue;
        }
        if (skipped > 0)
            put16(payload, 0x10000 - skipped);
        skipped = 0;
        if (odd && a[to.width - 1] != b[to.width - 1])
            put16(payload, 0x8000 | uchar(b[to.width - 1]));
        auto pairChanged = [&](int p) {
            return a[2 * p] != b[2 * p] || a[2 * p + 1] != b[2 * p + 1];
        };
        auto pairEqual = [&](int p, int q) {
            return b[2 * p] == b[2 * q] && b[2 * p + 1] == b[2 * q + 1];
        };
        QByteArray line;
        int packets = 0;
        int p = 0;
        int done = 0;
        while (true) {
            while (p < pairs && !pairChanged(p))
                ++p;
            if (p >= pairs)
                break;
            int skip = 2 * (p - done);
            while (skip > 254) {
                line.append(char(254));
                line.append('\0');
                ++packets;
                skip -= 254;
            }
            line.append(char(skip));
            int run = 1;
            while (p + run < pairs && run < 127 && pairEqual(p, p + run))
                ++run;
            if (run >= 2) {
                line.append(char(-run));
                line.append(b + 2 * p, 2);
                p += run;
            } else {
                int n = 1;
                while (p + n < pairs && n < 127 && pairChanged(p + n)
                       && !(p + n + 1 < pairs && pairEqual(p + n, p + n + 1)))
                    ++n;
                line.append(char(n));
                line.append(b + 2 * p, 2 * n);
                p += n;
            }
            done = p;
            ++packets;
        }
        if (packets > 255) {
            line.clear();
            packets = 0;
            for (int q = 0; q < pairs; q += 127, ++packets) {
                const int n = std::min(127, pairs - q);
                line.append('\0');
                line.append(char(n));
                line.append(b + 2 * q, 2 * n);
            }
        }
        put16(payload, packets);
        payload.append(line);
        ++lines;
    }
    set16(payload, 0, lines);
    return chunk(7, payload);
}

QByteArray FlicWriter::black()
{
    return chunk(13, {});
}

QByteArray FlicWriter::literal(const FlicPicture &picture)
{
    return chunk(16, picture.pixels);
}

QByteArray FlicWriter::postageStamp()
{
    // A stamp header (height, width, type) and bytes that would spoil the picture if read.
    QByteArray payload;
    put16(payload, 2);
    put16(payload, 2);
    put16(payload, 1);
    payload.append(QByteArray(4, char(0x7F)));
    return chunk(18, payload);
}
