#include "SystemClock.h"

#include <QRandomGenerator>
#include <QTime>

SystemClock::SystemClock()
{
    m_timer.start();
}

double SystemClock::secondsSinceMidnight() const
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

qint64 SystemClock::elapsedMs() const
{
    return m_timer.elapsed();
}

double SystemRandom::next()
{
    return QRandomGenerator::global()->generateDouble();
}
