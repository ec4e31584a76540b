#pragma once

#include <QtGlobal>

class Clock
{
public:
    virtual ~Clock() = default;
    virtual double secondsSinceMidnight() const = 0;
    virtual qint64 elapsedMs() const = 0; // monotonic
};

class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0; // [0, 1)
};
