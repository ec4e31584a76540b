#pragma once

#include <QByteArray>

#include <optional>

// Writes WAVE files in memory: the built-in sounds and the sounds the tests play.
namespace WaveFile {

struct Format
{
    quint16 tag = 1; // 1 PCM, 2 Microsoft ADPCM
    quint16 channels = 1;
    quint32 rate = 22050;
    quint32 bytesPerSecond = 0;
    quint16 blockAlign = 1;
    quint16 bits = 8;
    QByteArray extra; // the codec's own fields after the common ones
};

// A "RIFF"/"WAVE" file with its format, an optional "fact" frame count and the data.
QByteArray write(const Format &format, const QByteArray &data,
                 std::optional<quint32> factFrames = std::nullopt);
// Uncompressed samples, interleaved, little-endian.
QByteArray pcm(int channels, int rate, int bits, const QByteArray &data);

void put16(QByteArray &bytes, quint16 value);
void put32(QByteArray &bytes, quint32 value);

} // namespace WaveFile
