#include "WaveFile.h"

#include <QtEndian>

namespace WaveFile {

void put16(QByteArray &bytes, quint16 value)
{
    char raw[2];
    qToLittleEndian(value, raw);
    bytes.append(raw, 2);
}

void put32(QByteArray &bytes, quint32 value)
{
    char raw[4];
    qToLittleEndian(value, raw);
    bytes.append(raw, 4);
}

QByteArray write(const Format &format, const QByteArray &data, std::optional<quint32> factFrames)
{
    QByteArray wave("RIFF");
    put32(wave, 0); // filled in below
    wave.append("WAVEfmt ");
    // A codec with fields of its own says how many follow the common ones.
    const bool extended = format.tag != 1 || !format.extra.isEmpty();
    put32(wave, quint32(16 + (extended ? 2 + format.extra.size() : 0)));
    put16(wave, format.tag);
    put16(wave, format.channels);
    put32(wave, format.rate);
    put32(wave, format.bytesPerSecond);
    put16(wave, format.blockAlign);
    put16(wave, format.bits);
    if (extended) {
        put16(wave, quint16(format.extra.size()));
        wave.append(format.extra);
    }
    if (factFrames) {
        wave.append("fact");
        put32(wave, 4);
        put32(wave, *factFrames);
    }
    wave.append("data");
    put32(wave, quint32(data.size()));
    wave.append(data);
    if (data.size() % 2)
        wave.append('\0');
    qToLittleEndian(quint32(wave.size() - 8), wave.data() + 4);
    return wave;
}

QByteArray pcm(int channels, int rate, int bits, const QByteArray &data)
{
    Format format;
    format.channels = quint16(channels);
    format.rate = quint32(rate);
    format.blockAlign = quint16(channels * bits / 8);
    format.bytesPerSecond = format.rate * format.blockAlign;
    format.bits = quint16(bits);
    return write(format, data);
}

} // namespace WaveFile
