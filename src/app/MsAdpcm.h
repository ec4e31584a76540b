#pragma once

#include <QByteArray>

#include <vector>

// Microsoft ADPCM (WAVE format 2), 4 bits a sample: the compressed form the program's short
// built-in sound is kept in.
namespace MsAdpcm {

inline constexpr int Coefficients[7][2]
    = {{256, 0}, {512, -256}, {0, 0}, {192, 64}, {240, 0}, {460, -208}, {392, -232}};

// Block size the system's own recorder uses for 22 kHz stereo.
int blockAlignFor(int channels, int rate);
int samplesPerBlock(int blockAlign, int channels);

// A complete RIFF/WAVE file of the interleaved 16-bit samples.
QByteArray encodeWave(const std::vector<qint16> &interleaved, int channels, int rate);

} // namespace MsAdpcm
