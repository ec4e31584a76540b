#pragma once

#include "MediaEngine.h"

#include <QHash>

// What a scripted file looks like to the fake engine.
struct FakeMedia
{
    qint64 lengthMs = 0;
    qint64 frameCount = 0; // 0: a sound
    QSize size;            // empty: a sound
};

// An engine that decodes nothing: files are scripted (path → length, frames, size; any other
// path fails to open) and time moves only when the test calls advance(). It lets the windows'
// logic be tested exactly, with no timing and no codec.
class FakeEngine : public MediaEngine
{
    Q_OBJECT

public:
    explicit FakeEngine(QHash<QString, FakeMedia> files, QObject *parent = nullptr);

    // Moves the clock on by wallMs at the current speed: the position follows while playing,
    // stops at the end (or the start, backward) and wraps while repeating.
    void advance(qint64 wallMs);

    QString openedPath() const { return m_path; }
    double speed() const { return m_speed; }
    double volume() const { return m_volume; }
    bool repeating() const { return m_repeat; }
    bool playingBackward() const { return m_backward; }
    int wraps() const { return m_wraps; }

    QString name() const override;
    bool open(const QString &path) override;
    void close() override;
    qint64 lengthMs() const override;
    qint64 frameCount() const override;
    QSize naturalSize() const override;
    qint64 positionMs() const override;
    qint64 positionFrame() const override;
    void seekMs(qint64 ms) override;
    void seekFrame(qint64 frame) override;
    void play(qint64 endMs, bool repeat) override;
    void playBackward(qint64 toMs) override;
    void pause() override;
    void stop() override;
    State state() const override;
    void setSpeed(double factor) override;
    void setVolume(double level) override;
    QImage frame() const override;

private:
    void setState(State state);
    void moveTo(qint64 ms);
    void finish();

    QHash<QString, FakeMedia> m_files;
    QString m_path;
    FakeMedia m_media;
    State m_state = State::Closed;
    qint64 m_position = 0;
    qint64 m_end = -1;
    bool m_repeat = false;
    bool m_backward = false;
    int m_wraps = 0;
    double m_speed = 1.0;
    double m_volume = 1.0;
};
