#include "media/flic/FlicEngine.h"

#include "core/Logging.h"

#include <algorithm>
#include <cmath>

namespace {

// Reports of the position while playing: a few a second.
constexpr qint64 PositionReportMs = 200;
// The longest wait between ticks, so that position reports keep coming during long frames.
constexpr double LongestWaitMs = 100;
constexpr double SlowestSpeed = 0.01;
constexpr double FastestSpeed = 100.0;

} // namespace

FlicEngine::FlicEngine(QObject *parent)
    : MediaEngine(parent)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &FlicEngine::tick);
}

bool FlicEngine::open(const QString &path)
{
    close();
    if (!m_decoder.open(path)) {
        qCInfo(lcMedia) << "FLIC engine cannot open" << path << ":" << m_decoder.errorString();
        return false;
    }
    m_positionMs = 0;
    m_imageFrame = -1;
    setState(State::Stopped);
    emit frameChanged();
    emit positionChanged();
    return true;
}

void FlicEngine::close()
{
    m_timer.stop();
    m_decoder.close();
    m_positionMs = 0;
    m_image = QImage();
    m_imageFrame = -1;
    setState(State::Closed);
}

qint64 FlicEngine::lengthMs() const
{
    return m_decoder.isOpen() ? m_decoder.lengthMs() : 0;
}

qint64 FlicEngine::frameCount() const
{
    return m_decoder.frameCount();
}

QSize FlicEngine::naturalSize() const
{
    return m_decoder.isOpen() ? m_decoder.size() : QSize();
}

qint64 FlicEngine::positionFrame() const
{
    return m_decoder.isOpen() ? m_decoder.currentFrame() : 0;
}

void FlicEngine::seekMs(qint64 ms)
{
    if (!m_decoder.isOpen())
        return;
    ms = std::clamp<qint64>(ms, 0, lengthMs());
    moveTo(ms, m_decoder.frameAtMs(ms));
}

void FlicEngine::seekFrame(qint64 frame)
{
    if (!m_decoder.isOpen())
        return;
    frame = std::clamp<qint64>(frame, 0, frameCount() - 1);
    moveTo(m_decoder.frameStartMs(int(frame)), int(frame));
}

void FlicEngine::moveTo(qint64 ms, int frame)
{
    m_positionMs = ms;
    if (m_state == State::Playing) {
        m_anchorMs = double(ms);
        m_clock.restart();
    }
    showFrame(frame);
    emit positionChanged();
}

void FlicEngine::play(qint64 endMs, bool repeat)
{
    if (!m_decoder.isOpen())
        return;
    const qint64 length = lengthMs();
    const qint64 limit = endMs < 0 ? length : std::min(endMs, length);
    if (m_positionMs >= limit) {
        if (!repeat || limit <= 0) {
            finish(m_positionMs);
            return;
        }
        seekMs(0);
    }
    start(Direction::Forward, limit, repeat);
}

void FlicEngine::playBackward(qint64 toMs)
{
    if (!m_decoder.isOpen())
        return;
    const qint64 limit = std::clamp<qint64>(toMs, 0, lengthMs());
    if (m_positionMs <= limit) {
        finish(m_positionMs);
        return;
    }
    start(Direction::Backward, limit, false);
}

void FlicEngine::start(Direction direction, qint64 limitMs, bool repeat)
{
    m_direction = direction;
    m_limitMs = limitMs;
    m_repeat = repeat;
    m_anchorMs = double(m_positionMs);
    m_clock.start();
    m_sinceReport.start();
    setState(State::Playing);
    scheduleNext();
}

void FlicEngine::pause()
{
    if (m_state != State::Playing)
        return;
    holdHere();
    setState(State::Paused);
}

void FlicEngine::stop()
{
    if (m_state != State::Playing && m_state != State::Paused)
        return;
    if (m_state == State::Playing)
        holdHere();
    setState(State::Stopped);
}

void FlicEngine::holdHere()
{
    // The media time runs between ticks: keep where it is now, not where the last tick was.
    m_timer.stop();
    double now = mediaTimeNow();
    if (m_repeat && m_direction == Direction::Forward && m_limitMs > 0)
        now = std::fmod(now, double(m_limitMs));
    const qint64 low = m_direction == Direction::Backward ? m_limitMs : 0;
    const qint64 high = m_direction == Direction::Forward ? m_limitMs : lengthMs();
    m_positionMs = std::clamp<qint64>(qint64(now), low, std::max(low, high));
    showFrame(m_decoder.frameAtMs(m_positionMs));
    emit positionChanged();
}

void FlicEngine::setSpeed(double factor)
{
    if (!(factor > 0)) {
        qCInfo(lcMedia) << "FLIC engine ignores speed" << factor;
        return;
    }
    // Re-anchor the clock so the position carries on from where it is now.
    if (m_state == State::Playing) {
        m_anchorMs = mediaTimeNow();
        m_clock.restart();
    }
    m_speed = std::clamp(factor, SlowestSpeed, FastestSpeed);
    if (m_state == State::Playing)
        scheduleNext();
}

double FlicEngine::mediaTimeNow() const
{
    const double elapsed = double(m_clock.nsecsElapsed()) / 1e6 * m_speed;
    return m_direction == Direction::Forward ? m_anchorMs + elapsed : m_anchorMs - elapsed;
}

void FlicEngine::tick()
{
    if (m_state != State::Playing)
        return;
    double now = mediaTimeNow();
    if (m_direction == Direction::Forward && now >= double(m_limitMs)) {
        if (!m_repeat) {
            finish(m_limitMs);
            return;
        }
        // Wrap round to the start, keeping the clock so that no time is lost at the seam.
        const double laps = std::floor(now / double(m_limitMs));
        m_anchorMs -= laps * double(m_limitMs);
        now -= laps * double(m_limitMs);
    } else if (m_direction == Direction::Backward && now <= double(m_limitMs)) {
        finish(m_limitMs);
        return;
    }
    m_positionMs = qint64(now);
    showFrame(m_decoder.frameAtMs(m_positionMs));
    if (m_sinceReport.elapsed() >= PositionReportMs) {
        m_sinceReport.restart();
        emit positionChanged();
    }
    scheduleNext();
}

void FlicEngine::scheduleNext()
{
    const double now = mediaTimeNow();
    const int frame = m_decoder.frameAtMs(qint64(now));
    double waitMs;
    if (m_direction == Direction::Forward) {
        const double next
            = std::min<double>(double(m_decoder.frameStartMs(frame + 1)), double(m_limitMs));
        waitMs = (next - now) / m_speed;
    } else {
        const double start
            = std::max<double>(double(m_decoder.frameStartMs(frame)), double(m_limitMs));
        // The previous frame is due once the media time is below this frame's start.
        waitMs = (now - start) / m_speed + 0.5;
    }
    m_timer.start(int(std::ceil(std::clamp(waitMs, 1.0, LongestWaitMs))));
}

void FlicEngine::finish(qint64 ms)
{
    m_timer.stop();
    m_positionMs = ms;
    showFrame(m_decoder.frameAtMs(ms));
    emit positionChanged();
    setState(State::Stopped);
    emit ended();
}

void FlicEngine::showFrame(int frame)
{
    if (frame == m_decoder.currentFrame())
        return;
    m_decoder.seekFrame(frame);
    emit frameChanged();
}

void FlicEngine::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged();
}

QImage FlicEngine::frame() const
{
    if (!m_decoder.isOpen())
        return {};
    if (m_imageFrame != m_decoder.currentFrame()) {
        m_image = m_decoder.toImage();
        m_imageFrame = m_decoder.currentFrame();
    }
    return m_image;
}
