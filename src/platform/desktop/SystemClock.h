#pragma once

#include "platform/Clock.h"

#include <QElapsedTimer>

class SystemClock : public Clock
{
public:
    SystemClock();
    double secondsSinceMidnight() const override;
    qint64 elapsedMs() const override;

private:
    QElapsedTimer m_timer;
};

class SystemRandom : public RandomSource
{
public:
    double next() override;
};
