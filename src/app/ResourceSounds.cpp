#include "ResourceSounds.h"

#include "app/MsAdpcm.h"
#include "core/WaveFile.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

constexpr int Rate = 22050;

double frequencyOf(int midiNote)
{
    return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
}

// A struck bell: a few inharmonic partials, each dying away at its own pace.
void addBell(std::vector<double> &out, double start, int midiNote, double loudness)
{
    struct Partial
    {
        double ratio, level, decay;
    };
    static constexpr Partial partials[] = {
        {1.0, 1.0, 1.6}, {2.0, 0.45, 2.6}, {3.01, 0.22, 4.0}, {4.2, 0.12, 6.0}, {5.4, 0.06, 8.0}};
    const double f = frequencyOf(midiNote);
    const auto first = size_t(start * Rate);
    const size_t attack = Rate / 200; // 5 ms, so the strike does not click
    for (size_t i = first; i < out.size(); ++i) {
        const double t = double(i - first) / Rate;
        double v = 0;
        for (const Partial &p : partials)
            v += p.level * std::exp(-p.decay * t)
                 * std::sin(2 * std::numbers::pi * f * p.ratio * t);
        const double ramp = std::min(1.0, double(i - first) / attack);
        out[i] += loudness * ramp * v;
    }
}

void normalise(std::vector<double> &samples, double peak)
{
    double highest = 0;
    for (double s : samples)
        highest = std::max(highest, std::abs(s));
    if (highest > 0) {
        for (double &s : samples)
            s *= peak / highest;
    }
}

QByteArray chime()
{
    // 132120 samples: 5.99 s, the length of the original sound.
    std::vector<double> samples(132120, 0.0);
    // C major, rising then settling: C5 E5 G5 C6, A5 G5 E5, and a final C5-G5-C6 chord.
    struct Note
    {
        double at;
        int note;
        double loudness;
    };
    static constexpr Note melody[] = {
        {0.00, 72, 1.0}, {0.45, 76, 0.9}, {0.90, 79, 0.9}, {1.35, 84, 1.0}, {2.10, 81, 0.8},
        {2.55, 79, 0.8}, {3.00, 76, 0.8}, {3.60, 72, 0.9}, {3.60, 79, 0.6}, {3.60, 84, 0.7},
    };
    for (const Note &n : melody)
        addBell(samples, n.at, n.note, n.loudness);
    normalise(samples, 0.8);
    // The last half second fades out so the sound ends in silence.
    const size_t fade = Rate / 2;
    for (size_t i = 0; i < fade; ++i)
        samples[samples.size() - fade + i] *= 1.0 - double(i) / fade;

    QByteArray data;
    data.reserve(int(samples.size()));
    for (double s : samples)
        data.append(char(quint8(std::clamp(std::lround(128 + s * 127), 0L, 255L))));
    return WaveFile::pcm(1, Rate, 8, data);
}

QByteArray signal()
{
    // Two quick notes, the first more to the left, the second more to the right.
    const size_t frames = size_t(0.35 * Rate);
    std::vector<double> left(frames, 0.0);
    std::vector<double> right(frames, 0.0);
    struct Blip
    {
        double at, frequency, pan; // pan: 0 left, 1 right
    };
    static constexpr Blip blips[] = {{0.0, 1318.5, 0.3}, {0.12, 1760.0, 0.7}};
    for (const Blip &b : blips) {
        const auto first = size_t(b.at * Rate);
        for (size_t i = first; i < frames; ++i) {
            const double t = double(i - first) / Rate;
            const double ramp = std::min(1.0, t * 400);
            const double v
                = ramp * std::exp(-14 * t) * std::sin(2 * std::numbers::pi * b.frequency * t);
            left[i] += v * (1 - b.pan);
            right[i] += v * b.pan;
        }
    }
    std::vector<double> both(left);
    both.insert(both.end(), right.begin(), right.end());
    double highest = 0;
    for (double s : both)
        highest = std::max(highest, std::abs(s));
    const double scale = highest > 0 ? 0.7 / highest : 0;
    std::vector<qint16> interleaved;
    interleaved.reserve(2 * frames);
    for (size_t i = 0; i < frames; ++i) {
        const double fade = i + Rate / 50 > frames ? double(frames - i) / (Rate / 50) : 1.0;
        interleaved.push_back(qint16(std::lround(left[i] * scale * fade * 32767)));
        interleaved.push_back(qint16(std::lround(right[i] * scale * fade * 32767)));
    }
    return MsAdpcm::encodeWave(interleaved, 2, Rate);
}

} // namespace

QByteArray resourceSound(int number)
{
    switch (number) {
    case 19:
        return chime();
    case 20:
        return signal();
    default:
        return QByteArray();
    }
}
