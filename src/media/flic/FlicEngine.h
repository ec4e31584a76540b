#pragma once

#include "media/MediaEngine.h"
#include "media/flic/FlicDecoder.h"

#include <QElapsedTimer>
#include <QTimer>

// Plays FLC and FLI animations with our own decoder. The picture follows the wall clock: each
// tick computes the media time from the time elapsed since play began and shows the frame due
// then, so a late tick skips frames rather than slowing the animation down.
class FlicEngine : public MediaEngine
{
    Q_OBJECT

public:
    explicit FlicEngine(QObject *parent = nullptr);

    QString name() const override { return QStringLiteral("flic"); }
    bool open(const QString &path) override;
    void close() override;

    qint64 lengthMs() const override;
    qint64 frameCount() const override;
    QSize naturalSize() const override;

    qint64 positionMs() const override { return m_positionMs; }
    qint64 positionFrame() const override;
    void seekMs(qint64 ms) override;
    void seekFrame(qint64 frame) override;

    void play(qint64 endMs, bool repeat) override;
    void playBackward(qint64 toMs) override;
    void pause() override;
    void stop() override;
    State state() const override { return m_state; }

    void setSpeed(double factor) override;
    double speed() const { return m_speed; }
    // FLC and FLI animations carry no sound.
    void setVolume(double) override {}

    QImage frame() const override;

private:
    enum class Direction { Forward, Backward };

    void start(Direction direction, qint64 limitMs, bool repeat);
    void tick();
    void scheduleNext();
    double mediaTimeNow() const;
    void showFrame(int frame);
    void moveTo(qint64 ms, int frame);
    void finish(qint64 ms);
    void holdHere();
    void setState(State state);

    FlicDecoder m_decoder;
    State m_state = State::Closed;
    QTimer m_timer;
    QElapsedTimer m_clock;
    QElapsedTimer m_sinceReport;
    Direction m_direction = Direction::Forward;
    double m_anchorMs = 0; // media time when m_clock started
    qint64 m_limitMs = 0;  // where this play ends
    bool m_repeat = false;
    qint64 m_positionMs = 0;
    double m_speed = 1.0;
    mutable QImage m_image;
    mutable int m_imageFrame = -1;
};
