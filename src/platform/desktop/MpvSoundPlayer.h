#pragma once

#include "platform/SoundPlayer.h"

#include <optional>

// Plays a WAVE held in memory with a short-lived libmpv core reading the bytes through a
// stream protocol of ours. With no audio device, libmpv falls back to a silent output that
// still runs at real speed, so the call lasts as long as the sound everywhere.
class MpvSoundPlayer : public SoundPlayer
{
public:
    // Returns false at once for bytes that are not a RIFF/WAVE with a format and a data chunk,
    // and gives up after well over the sound's own length if playing never ends.
    bool playSync(const QByteArray &wave) override;

    // The sound's length from its header: data size over bytes per second.
    static std::optional<double> durationSeconds(const QByteArray &wave);

private:
    bool m_playing = false;
};
