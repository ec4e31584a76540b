#pragma once

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>

// One way of decoding and playing a kind of media. The media window picks an engine for a
// file, drives it, and turns what it reports into its own notifications. Engines run on the
// user-interface thread; any thread of their own only posts queued calls back to it.
class MediaEngine : public QObject
{
    Q_OBJECT

public:
    enum class State { Closed, Stopped, Playing, Paused };

    using QObject::QObject;

    virtual QString name() const = 0;
    // Opens the file in place of the current media. Returns once the file is known to be
    // playable (true, length and size known) or not (false, engine closed). Bounded in time.
    virtual bool open(const QString &path) = 0;
    virtual void close() = 0;

    virtual qint64 lengthMs() const = 0;
    // Number of pictures; 0 for media with no picture.
    virtual qint64 frameCount() const = 0;
    // Picture size in pixels; empty for media with no picture.
    virtual QSize naturalSize() const = 0;

    virtual qint64 positionMs() const = 0;
    virtual qint64 positionFrame() const = 0;
    // Exact seeks, clamped into the media.
    virtual void seekMs(qint64 ms) = 0;
    virtual void seekFrame(qint64 frame) = 0;

    // Plays forward from the current position; stops at endMs (< 0: the end of the media).
    // With repeat, restarts at the start seamlessly instead of ending.
    virtual void play(qint64 endMs, bool repeat) = 0;
    // Plays backward from the current position down to toMs.
    virtual void playBackward(qint64 toMs) = 0;
    virtual void pause() = 0;
    // Halts where it stands; the position is kept.
    virtual void stop() = 0;
    virtual State state() const = 0;

    // 1.0 is normal speed; the pitch of the sound is kept.
    virtual void setSpeed(double factor) = 0;
    // 0.0 silent to 1.0 normal.
    virtual void setVolume(double level) = 0;

    // The current picture at its natural size; null for media with no picture.
    virtual QImage frame() const = 0;

signals:
    void frameChanged();
    void positionChanged();
    // A play reached its end (or the start, backward); not raised while repeating.
    void ended();
    void stateChanged();
};
