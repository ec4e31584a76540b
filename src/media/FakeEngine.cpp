#include "FakeEngine.h"

#include <QColor>

#include <algorithm>
#include <cmath>

FakeEngine::FakeEngine(QHash<QString, FakeMedia> files, QObject *parent)
    : MediaEngine(parent)
    , m_files(std::move(files))
{}

QString FakeEngine::name() const
{
    return QStringLiteral("fake");
}

bool FakeEngine::open(const QString &path)
{
    close();
    const auto it = m_files.constFind(path);
    if (it == m_files.constEnd())
        return false;
    m_path = path;
    m_media = *it;
    m_position = 0;
    setState(State::Stopped);
    return true;
}

void FakeEngine::close()
{
    m_path.clear();
    m_media = {};
    m_position = 0;
    m_repeat = false;
    m_backward = false;
    setState(State::Closed);
}

qint64 FakeEngine::lengthMs() const
{
    return m_media.lengthMs;
}

qint64 FakeEngine::frameCount() const
{
    return m_media.frameCount;
}

QSize FakeEngine::naturalSize() const
{
    return m_media.size;
}

qint64 FakeEngine::positionMs() const
{
    return m_position;
}

qint64 FakeEngine::positionFrame() const
{
    if (m_media.lengthMs <= 0)
        return 0;
    return std::llround(double(m_position) * m_media.frameCount / m_media.lengthMs);
}

void FakeEngine::seekMs(qint64 ms)
{
    if (m_state == State::Closed)
        return;
    moveTo(std::clamp<qint64>(ms, 0, m_media.lengthMs));
}

void FakeEngine::seekFrame(qint64 frame)
{
    if (m_media.frameCount <= 0)
        return;
    seekMs(std::llround(double(frame) * m_media.lengthMs / m_media.frameCount));
}

void FakeEngine::play(qint64 endMs, bool repeat)
{
    if (m_state == State::Closed)
        return;
    m_end = endMs < 0 ? m_media.lengthMs : std::min(endMs, m_media.lengthMs);
    m_repeat = repeat;
    m_backward = false;
    if (!repeat && m_position >= m_end) {
        setState(State::Stopped);
        emit ended();
        return;
    }
    setState(State::Playing);
}

void FakeEngine::playBackward(qint64 toMs)
{
    if (m_state == State::Closed)
        return;
    m_end = std::max<qint64>(toMs, 0);
    m_repeat = false;
    m_backward = true;
    if (m_position <= m_end) {
        setState(State::Stopped);
        emit ended();
        return;
    }
    setState(State::Playing);
}

void FakeEngine::pause()
{
    if (m_state == State::Playing || m_state == State::Stopped)
        setState(State::Paused);
}

void FakeEngine::stop()
{
    if (m_state == State::Closed)
        return;
    m_repeat = false;
    setState(State::Stopped);
}

MediaEngine::State FakeEngine::state() const
{
    return m_state;
}

void FakeEngine::setSpeed(double factor)
{
    m_speed = factor;
}

void FakeEngine::setVolume(double level)
{
    m_volume = level;
}

QImage FakeEngine::frame() const
{
    if (m_media.size.isEmpty() || m_state == State::Closed)
        return {};
    // Each picture has its own grey level, so a test can tell which one is shown.
    QImage image(m_media.size, QImage::Format_RGB32);
    const int level = int(positionFrame() * 37 % 200) + 40;
    image.fill(QColor(level, level, level));
    return image;
}

void FakeEngine::advance(qint64 wallMs)
{
    if (m_state != State::Playing || wallMs <= 0)
        return;
    const qint64 step = std::llround(wallMs * m_speed);
    if (m_backward) {
        if (m_position - step <= m_end) {
            moveTo(m_end);
            finish();
        } else {
            moveTo(m_position - step);
        }
        return;
    }
    qint64 target = m_position + step;
    if (m_repeat && m_media.lengthMs > 0) {
        m_wraps += int(target / m_media.lengthMs);
        moveTo(target % m_media.lengthMs);
        return;
    }
    if (target >= m_end) {
        moveTo(m_end);
        finish();
        return;
    }
    moveTo(target);
}

void FakeEngine::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    if (state != State::Playing)
        m_backward = false;
    emit stateChanged();
}

void FakeEngine::moveTo(qint64 ms)
{
    const qint64 before = positionFrame();
    m_position = ms;
    emit positionChanged();
    if (positionFrame() != before)
        emit frameChanged();
}

void FakeEngine::finish()
{
    setState(State::Stopped);
    emit ended();
}
