#pragma once

#include <QByteArray>

// Plays a complete RIFF/WAVE file held in memory and returns when it has finished.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    virtual bool playSync(const QByteArray &wave) = 0;
};
