#include "media/flic/FlicDecoder.h"

#include "core/Logging.h"

#include <QFile>

#include <algorithm>
#include <cstring>

namespace {

constexpr qsizetype HeaderSize = 128;
constexpr qsizetype FrameHeaderSize = 16;
constexpr qsizetype ChunkHeaderSize = 6;
constexpr quint16 MagicFli = 0xAF11;
constexpr quint16 MagicFlc = 0xAF12;
constexpr quint16 MagicFlcHuffman = 0xAF30;
constexpr quint16 MagicFlx = 0xAF44;
constexpr quint16 FrameType = 0xF1FA;
// Copies of the picture kept for random access stay under this many bytes in all.
constexpr qint64 CheckpointBudget = 32 * 1024 * 1024;

enum ChunkType : quint16 {
    Colour256 = 4,
    DeltaFlc = 7,
    Colour64 = 11,
    DeltaFli = 12,
    Black = 13,
    ByteRun = 15,
    Literal = 16,
    PostageStamp = 18,
};

quint16 u16(const uchar *p)
{
    return quint16(p[0] | (p[1] << 8));
}
quint32 u32(const uchar *p)
{
    return quint32(u16(p)) | (quint32(u16(p + 2)) << 16);
}

} // namespace

bool FlicDecoder::open(const QString &path)
{
    close();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(QStringLiteral("cannot read %1").arg(path));
    if (file.size() > MaxFileBytes)
        return refuse(QStringLiteral("%1 is larger than %2 bytes").arg(path).arg(MaxFileBytes));
    return openData(file.readAll());
}

bool FlicDecoder::openData(const QByteArray &data)
{
    close();
    m_data = data;
    if (m_data.size() < HeaderSize)
        return refuse(QStringLiteral("shorter than a FLIC header"));
    const auto *h = reinterpret_cast<const uchar *>(m_data.constData());
    const quint16 magic = u16(h + 4);
    if (magic != MagicFli && magic != MagicFlc && magic != MagicFlcHuffman && magic != MagicFlx)
        return refuse(QStringLiteral("not a FLIC file (magic 0x%1)").arg(magic, 4, 16));
    m_format = magic == MagicFli ? Format::Fli : Format::Flc;
    m_headerFrames = u16(h + 6);
    m_width = u16(h + 8);
    m_height = u16(h + 10);
    const quint16 depth = u16(h + 12);
    // Early FLI writers left the size and depth fields empty: the picture is then 320x200.
    if (m_format == Format::Fli && m_width == 0 && m_height == 0) {
        m_width = 320;
        m_height = 200;
    }
    if (depth != 8 && depth != 0)
        return refuse(QStringLiteral("depth %1 is not 8 bits").arg(depth));
    if (m_width < 1 || m_height < 1 || m_width > MaxSide || m_height > MaxSide
        || qint64(m_width) * m_height > MaxPixels)
        return refuse(QStringLiteral("picture size %1x%2 refused").arg(m_width).arg(m_height));
    if (m_headerFrames == 0)
        return refuse(QStringLiteral("the header counts no frame"));

    const quint32 speed = m_format == Format::Fli ? u16(h + 16) : u32(h + 16);
    if (speed == 0) {
        m_intervalNum = DefaultFliSpeed * 1000;
        m_intervalDen = 70;
    } else if (m_format == Format::Fli) {
        m_intervalNum = qint64(speed) * 1000;
        m_intervalDen = 70;
    } else {
        m_intervalNum = speed;
        m_intervalDen = 1;
    }

    qsizetype start = HeaderSize;
    if (m_format == Format::Flc) {
        const quint32 first = u32(h + 80);
        if (first >= HeaderSize && qint64(first) + FrameHeaderSize <= m_data.size()
            && u16(h + first + 4) == FrameType)
            start = first;
    }
    indexFrames(start);
    if (m_frames.empty())
        return refuse(QStringLiteral("no readable frame"));

    const qint64 pixels = qint64(m_width) * m_height;
    const qint64 every
        = (qint64(m_frames.size()) * pixels + CheckpointBudget - 1) / CheckpointBudget;
    m_checkpointEvery = int(std::max<qint64>(16, every));
    m_checkpoints.assign((m_frames.size() + m_checkpointEvery - 1) / m_checkpointEvery, {});
    resetPicture();
    seekFrame(0);
    return true;
}

void FlicDecoder::close()
{
    m_data.clear();
    m_error.clear();
    m_frames.clear();
    m_checkpoints.clear();
    m_pixels.clear();
    m_palette.fill(qRgb(0, 0, 0));
    m_current = -1;
    m_width = m_height = m_headerFrames = 0;
    m_toldUnknownChunk = false;
}

bool FlicDecoder::refuse(const QString &why)
{
    const QString kept = why;
    close();
    m_error = kept;
    return false;
}

void FlicDecoder::indexFrames(qsizetype start)
{
    const auto *d = reinterpret_cast<const uchar *>(m_data.constData());
    const qsizetype fileSize = m_data.size();
    qsizetype pos = start;
    while (pos + ChunkHeaderSize <= fileSize && int(m_frames.size()) < m_headerFrames) {
        const quint32 size = u32(d + pos);
        const quint16 type = u16(d + pos + 4);
        if (size < ChunkHeaderSize) {
            qCInfo(lcMedia) << "FLIC chunk of size" << size << "at" << pos << "ends the animation";
            break;
        }
        const bool truncated = qint64(pos) + size > fileSize;
        const qsizetype end = truncated ? fileSize : pos + qsizetype(size);
        if (type == FrameType) {
            if (size < FrameHeaderSize || pos + FrameHeaderSize > fileSize)
                break;
            m_frames.push_back({pos + FrameHeaderSize, end, u16(d + pos + 6)});
        }
        if (truncated) {
            qCInfo(lcMedia) << "FLIC file ends inside the chunk at" << pos;
            break;
        }
        pos = end;
    }
    if (int(m_frames.size()) < m_headerFrames)
        qCInfo(lcMedia) << "FLIC header counts" << m_headerFrames << "frames, file holds"
                        << m_frames.size();
}

qint64 FlicDecoder::lengthMs() const
{
    return (qint64(frameCount()) * m_intervalNum * 2 + m_intervalDen) / (2 * m_intervalDen);
}

qint64 FlicDecoder::frameStartMs(int frame) const
{
    return (qint64(frame) * m_intervalNum + m_intervalDen - 1) / m_intervalDen;
}

int FlicDecoder::frameAtMs(qint64 ms) const
{
    if (!isOpen() || ms <= 0)
        return 0;
    const qint64 frame = ms * m_intervalDen / m_intervalNum;
    return int(std::min<qint64>(frame, frameCount() - 1));
}

bool FlicDecoder::seekFrame(int frame)
{
    if (!isOpen())
        return false;
    frame = std::clamp(frame, 0, frameCount() - 1);
    if (frame == m_current)
        return true;
    int slot = std::min(frame / m_checkpointEvery, int(m_checkpoints.size()) - 1);
    while (slot > 0 && m_checkpoints[slot].frame < 0)
        --slot;
    const Checkpoint &nearest = m_checkpoints[slot];
    const bool goOn = m_current >= 0 && m_current < frame && m_current >= nearest.frame;
    if (!goOn) {
        if (nearest.frame >= 0) {
            m_pixels = nearest.pixels;
            m_palette = nearest.palette;
            m_current = nearest.frame;
        } else {
            resetPicture();
        }
    }
    while (m_current < frame) {
        decodeFrame(m_current + 1);
        ++m_current;
        keepCheckpoint();
    }
    return true;
}

void FlicDecoder::resetPicture()
{
    m_pixels.assign(size_t(m_width) * m_height, 0);
    m_palette.fill(qRgb(0, 0, 0));
    m_current = -1;
}

void FlicDecoder::keepCheckpoint()
{
    if (m_current % m_checkpointEvery != 0)
        return;
    Checkpoint &slot = m_checkpoints[m_current / m_checkpointEvery];
    if (slot.frame == m_current)
        return;
    slot.frame = m_current;
    slot.pixels = m_pixels;
    slot.palette = m_palette;
}

void FlicDecoder::decodeFrame(int frame)
{
    const FrameRef &ref = m_frames[size_t(frame)];
    const auto *d = reinterpret_cast<const uchar *>(m_data.constData());
    // What a frame draws before a black chunk is never seen, so drawing starts at its last one:
    // a frame of many six-byte black chunks then clears a large picture once, not per chunk.
    int lastBlack = -1;
    qsizetype pos = ref.offset;
    for (int i = 0; i < ref.chunks && pos + ChunkHeaderSize <= ref.end; ++i) {
        const quint32 size = u32(d + pos);
        if (size < ChunkHeaderSize)
            break;
        if (u16(d + pos + 4) == Black)
            lastBlack = i;
        pos = std::min<qint64>(qint64(pos) + size, ref.end);
    }
    pos = ref.offset;
    for (int i = 0; i < ref.chunks && pos + ChunkHeaderSize <= ref.end; ++i) {
        const quint32 size = u32(d + pos);
        const quint16 type = u16(d + pos + 4);
        if (size < ChunkHeaderSize) {
            qCInfo(lcMedia) << "FLIC frame" << frame << "has a chunk of size" << size;
            return;
        }
        const qsizetype end = std::min<qint64>(qint64(pos) + size, ref.end);
        if (i < lastBlack && type != Colour256 && type != Colour64) {
            pos = end;
            continue;
        }
        const uchar *data = d + pos + ChunkHeaderSize;
        const qsizetype length = end - pos - ChunkHeaderSize;
        switch (type) {
        case Colour256:
            applyColour(data, length, false);
            break;
        case Colour64:
            applyColour(data, length, true);
            break;
        case DeltaFlc:
            applyDeltaFlc(data, length);
            break;
        case DeltaFli:
            applyDeltaFli(data, length);
            break;
        case Black:
            std::fill(m_pixels.begin(), m_pixels.end(), uchar(0));
            break;
        case ByteRun:
            applyByteRun(data, length);
            break;
        case Literal:
            applyCopy(data, length);
            break;
        case PostageStamp:
            break;
        default:
            if (!m_toldUnknownChunk)
                qCInfo(lcMedia) << "FLIC chunk type" << type << "skipped, first in frame" << frame;
            m_toldUnknownChunk = true;
            break;
        }
        pos = end;
    }
}

void FlicDecoder::applyColour(const uchar *data, qsizetype size, bool sixBit)
{
    if (size < 2)
        return;
    const int packets = u16(data);
    qsizetype pos = 2;
    int index = 0;
    for (int p = 0; p < packets && pos + 2 <= size; ++p) {
        index += data[pos];
        int count = data[pos + 1];
        pos += 2;
        if (count == 0)
            count = 256;
        for (int c = 0; c < count && pos + 3 <= size; ++c, ++index, pos += 3) {
            if (index >= 256)
                continue;
            int r = data[pos], g = data[pos + 1], b = data[pos + 2];
            if (sixBit) {
                // Repeating the top bits spreads 0..63 over 0..255, 63 giving full white.
                r = ((r & 63) << 2) | ((r & 63) >> 4);
                g = ((g & 63) << 2) | ((g & 63) >> 4);
                b = ((b & 63) << 2) | ((b & 63) >> 4);
            }
            m_palette[size_t(index)] = qRgb(r, g, b);
        }
    }
}

void FlicDecoder::applyDeltaFlc(const uchar *data, qsizetype size)
{
    if (size < 2)
        return;
    const int lines = u16(data);
    qsizetype pos = 2;
    int y = 0;
    for (int line = 0; line < lines && y < m_height; ++line) {
        int packets = -1;
        while (packets < 0) {
            if (pos + 2 > size)
                return;
            const quint16 word = u16(data + pos);
            pos += 2;
            switch (word & 0xC000) {
            case 0xC000:
                y += 0x10000 - word; // a negative count of lines to skip
                if (y >= m_height)
                    return;
                break;
            case 0x8000:
                m_pixels[size_t(y) * m_width + m_width - 1] = uchar(word & 0xFF);
                break;
            case 0x4000:
                qCInfo(lcMedia) << "FLIC word delta with an undefined opcode";
                return;
            default:
                packets = word;
                break;
            }
        }
        uchar *row = m_pixels.data() + size_t(y) * m_width;
        int x = 0;
        for (int p = 0; p < packets; ++p) {
            if (pos + 2 > size)
                return;
            x += data[pos];
            const int count = qint8(data[pos + 1]);
            pos += 2;
            if (count >= 0) {
                const qsizetype bytes = std::min<qsizetype>(2 * count, size - pos);
                for (qsizetype i = 0; i < bytes; ++i, ++x)
                    if (x < m_width)
                        row[x] = data[pos + i];
                pos += bytes;
            } else {
                if (pos + 2 > size)
                    return;
                const uchar a = data[pos], b = data[pos + 1];
                pos += 2;
                for (int i = 0; i < -count; ++i, x += 2) {
                    if (x < m_width)
                        row[x] = a;
                    if (x + 1 < m_width)
                        row[x + 1] = b;
                }
            }
        }
        ++y;
    }
}

void FlicDecoder::applyDeltaFli(const uchar *data, qsizetype size)
{
    if (size < 4)
        return;
    int y = u16(data);
    const int lines = u16(data + 2);
    qsizetype pos = 4;
    for (int line = 0; line < lines && y < m_height; ++line, ++y) {
        if (pos + 1 > size)
            return;
        const int packets = data[pos++];
        uchar *row = m_pixels.data() + size_t(y) * m_width;
        int x = 0;
        for (int p = 0; p < packets; ++p) {
            if (pos + 2 > size)
                return;
            x += data[pos];
            const int count = qint8(data[pos + 1]);
            pos += 2;
            if (count >= 0) {
                const qsizetype bytes = std::min<qsizetype>(count, size - pos);
                for (qsizetype i = 0; i < bytes; ++i, ++x)
                    if (x < m_width)
                        row[x] = data[pos + i];
                pos += bytes;
            } else {
                if (pos + 1 > size)
                    return;
                const uchar value = data[pos++];
                const int end = std::min(x - count, m_width);
                if (x < end)
                    std::memset(row + x, value, size_t(end - x));
                x -= count;
            }
        }
    }
}

void FlicDecoder::applyByteRun(const uchar *data, qsizetype size)
{
    qsizetype pos = 0;
    for (int y = 0; y < m_height; ++y) {
        if (pos + 1 > size)
            return;
        ++pos; // the packet count of old writers; the line width ends the line instead
        uchar *row = m_pixels.data() + size_t(y) * m_width;
        int x = 0;
        while (x < m_width) {
            if (pos + 1 > size)
                return;
            const int count = qint8(data[pos++]);
            if (count >= 0) {
                if (pos + 1 > size)
                    return;
                const uchar value = data[pos++];
                const int end = std::min(x + count, m_width);
                std::memset(row + x, value, size_t(end - x));
                x += count;
            } else {
                const qsizetype bytes = std::min<qsizetype>(-count, size - pos);
                const qsizetype fit = std::min<qsizetype>(bytes, m_width - x);
                std::memcpy(row + x, data + pos, size_t(fit));
                pos += bytes;
                x += int(bytes);
                if (bytes < -count)
                    return;
            }
        }
    }
}

void FlicDecoder::applyCopy(const uchar *data, qsizetype size)
{
    const qsizetype bytes = std::min<qsizetype>(size, qsizetype(m_pixels.size()));
    std::memcpy(m_pixels.data(), data, size_t(bytes));
}

QImage FlicDecoder::toImage() const
{
    if (!isOpen())
        return {};
    QImage image(m_width, m_height, QImage::Format_RGB32);
    for (int y = 0; y < m_height; ++y) {
        const uchar *src = m_pixels.data() + size_t(y) * m_width;
        auto *dst = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < m_width; ++x)
            dst[x] = m_palette[src[x]];
    }
    return image;
}
