#include "MsAdpcm.h"

#include "core/WaveFile.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>

namespace MsAdpcm {

namespace {

using WaveFile::put16;

constexpr int Adaptation[16]
    = {230, 230, 230, 230, 307, 409, 512, 614, 768, 614, 512, 409, 307, 230, 230, 230};
constexpr int MinimumDelta = 16;

struct ChannelState
{
    int predictor = 0;
    int delta = MinimumDelta;
    int sample1 = 0; // the latest sample
    int sample2 = 0; // the one before
};

// Encodes one sample; returns the 4-bit code and updates the state as a decoder would.
int encodeSample(ChannelState &s, int sample)
{
    const int *coef = Coefficients[s.predictor];
    const int predicted = (s.sample1 * coef[0] + s.sample2 * coef[1]) / 256;
    const int error = sample - predicted;
    // Round to the nearest step.
    int code = (error + (error >= 0 ? s.delta / 2 : -s.delta / 2)) / s.delta;
    code = std::clamp(code, -8, 7);
    const int rebuilt
        = std::clamp(predicted + code * s.delta, int(std::numeric_limits<qint16>::min()),
                     int(std::numeric_limits<qint16>::max()));
    s.sample2 = s.sample1;
    s.sample1 = rebuilt;
    s.delta = std::max(MinimumDelta, (Adaptation[code & 0xF] * s.delta) / 256);
    return code & 0xF;
}

// The squared error a predictor would leave over a block, to choose the best one.
qint64 trialError(const std::vector<qint16> &in, size_t first, size_t count, int channels,
                  int channel, int predictor, int delta)
{
    ChannelState s{predictor, delta, in[first + channels + channel], in[first + channel]};
    qint64 total = 0;
    for (size_t i = 2; i < count; ++i) {
        const int sample = in[first + i * channels + channel];
        encodeSample(s, sample);
        const qint64 diff = sample - s.sample1;
        total += diff * diff;
    }
    return total;
}

} // namespace

int blockAlignFor(int channels, int rate)
{
    return 256 * channels * std::max(1, rate / 11025);
}

int samplesPerBlock(int blockAlign, int channels)
{
    return (blockAlign - 7 * channels) * 8 / (4 * channels) + 2;
}

QByteArray encodeWave(const std::vector<qint16> &interleaved, int channels, int rate)
{
    const int blockAlign = blockAlignFor(channels, rate);
    const int perBlock = samplesPerBlock(blockAlign, channels);
    const size_t frames = interleaved.size() / size_t(channels);

    QByteArray data;
    for (size_t first = 0; first < frames; first += size_t(perBlock)) {
        // The last block is padded with silence to a whole block, as recorders do.
        std::vector<qint16> block(size_t(perBlock * channels), 0);
        const size_t count = std::min(size_t(perBlock), frames - first);
        std::copy_n(interleaved.begin() + qsizetype(first * channels), count * channels,
                    block.begin());

        std::array<ChannelState, 2> state;
        for (int ch = 0; ch < channels; ++ch) {
            // Start the step size from the signal's first movement.
            const int opening
                = std::abs(block[size_t(2 * channels + ch)] - block[size_t(channels + ch)]);
            const int delta = std::max(MinimumDelta, opening);
            int best = 0;
            qint64 bestError = std::numeric_limits<qint64>::max();
            for (int p = 0; p < 7; ++p) {
                const qint64 e = trialError(block, 0, size_t(perBlock), channels, ch, p, delta);
                if (e < bestError) {
                    bestError = e;
                    best = p;
                }
            }
            state[ch] = ChannelState{best, delta, block[size_t(channels + ch)], block[size_t(ch)]};
        }
        for (int ch = 0; ch < channels; ++ch)
            data.append(char(state[ch].predictor));
        for (int ch = 0; ch < channels; ++ch)
            put16(data, quint16(qint16(state[ch].delta)));
        for (int ch = 0; ch < channels; ++ch)
            put16(data, quint16(qint16(state[ch].sample1)));
        for (int ch = 0; ch < channels; ++ch)
            put16(data, quint16(qint16(state[ch].sample2)));
        // Two codes a byte, the first in the high nibble, channels interleaved.
        int pending = -1;
        for (int i = 2; i < perBlock; ++i) {
            for (int ch = 0; ch < channels; ++ch) {
                const int code = encodeSample(state[ch], block[size_t(i * channels + ch)]);
                if (pending < 0) {
                    pending = code;
                } else {
                    data.append(char((pending << 4) | code));
                    pending = -1;
                }
            }
        }
    }

    WaveFile::Format format;
    format.tag = 2; // Microsoft ADPCM
    format.channels = quint16(channels);
    format.rate = quint32(rate);
    format.bytesPerSecond = quint32(qint64(rate) * blockAlign / perBlock);
    format.blockAlign = quint16(blockAlign);
    format.bits = 4;
    // Samples per block, then the seven coefficient pairs.
    put16(format.extra, quint16(perBlock));
    put16(format.extra, 7);
    for (const auto &pair : Coefficients) {
        put16(format.extra, quint16(qint16(pair[0])));
        put16(format.extra, quint16(qint16(pair[1])));
    }
    return WaveFile::write(format, data, quint32(frames));
}

} // namespace MsAdpcm
