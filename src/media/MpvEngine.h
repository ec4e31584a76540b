#pragma once

#include "MediaEngine.h"

#include <QElapsedTimer>
#include <QImage>

struct mpv_handle;
struct mpv_render_context;
struct mpv_event;
class QTimer;

// Plays whatever libmpv opens (AVI with its old codecs, MPEG, QuickTime, WAVE, AIFF...) with
// one mpv core, drawn by mpv's software renderer into an image. Frame positions are exact
// for constant-rate video: frame = round(seconds × fps).
class MpvEngine : public MediaEngine
{
    Q_OBJECT

public:
    // Longest wait for a file to load before it counts as unplayable.
    static constexpr int OpenTimeoutMs = 10000;

    explicit MpvEngine(QObject *parent = nullptr);
    ~MpvEngine() override;

    // Times playback wrapped from the end to the start while repeating.
    int wraps() const { return m_wraps; }
    double framesPerSecond() const { return m_fps; }
    // What the mpv core holds now, read back from it: speed factor and volume in percent.
    double coreSpeed() const;
    double coreVolume() const;

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
    // Whether mpv holds the repeating timeline rather than the file itself (for tests).
    bool onTimeline() const { return m_form == Form::Timeline; }

private:
    enum class Load { Idle, Requested, Started, Loaded, Ready, Failed };

    // Which form of the file mpv holds: the file itself, or the file end to end many times
    // over, which repeat play of a picture with sound runs on.
    enum class Form { File, Timeline };

    bool load(Form form, double start);
    bool useForm(Form form);
    QByteArray timelineUrl() const;
    void drainEvents();
    void handleEvent(const mpv_event &event);
    void onTimePos(double seconds);
    void onEndReached();
    bool coreAtEnd() const;
    void armEndCheck();
    void checkEnd();
    void finishForward();
    void renderFrame();
    void readMediaFacts();
    void seekSeconds(double seconds);
    void setFlag(const char *name, bool value);
    void setString(const char *name, const char *value);
    void setState(State state);
    void stepBackward();
    void finish(double seconds);
    double durationSeconds() const;

    mpv_handle *m_mpv = nullptr;
    mpv_render_context *m_render = nullptr;
    QImage m_frame;
    State m_state = State::Closed;
    Load m_load = Load::Idle;

    double m_duration = 0.0;
    double m_fps = 0.0;
    qint64 m_frameCount = 0;
    QSize m_size;
    QString m_path;
    double m_startTime = 0.0; // the container's first timestamp, which mpv counts as 0
    bool m_hasSound = false;
    Form m_form = Form::File;

    // Our own idea of the position: exact after a seek, then following mpv's time-pos.
    double m_position = 0.0;
    // Until mpv reports the seek done, its time-pos still speaks of the old place.
    bool m_seeking = false;
    double m_end = -1.0; // where a bounded forward play stops; < 0: the end of the media
    bool m_repeat = false;
    int m_wraps = 0;
    double m_speed = 1.0;

    // The end of a forward play, should mpv's report of it never come: due from the known
    // length, then again while the position still moves.
    QTimer *m_endTimer = nullptr;
    double m_endCheckPosition = -1.0;

    QTimer *m_backwardTimer = nullptr;
    double m_backwardTo = 0.0;
    QElapsedTimer m_backwardClock;
};
