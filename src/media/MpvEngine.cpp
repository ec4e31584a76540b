#include "MpvEngine.h"

#include "core/AudioDevices.h"
#include "core/Logging.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QTimer>

#include <mpv/client.h>
#include <mpv/render.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace {

// Every option, property and command word given to mpv, in one place.
namespace Mpv {
constexpr const char *Options[][2] = {
    {"vo", "libmpv"},
    {"keep-open", "yes"}, // the end is a pause at the last frame, not an unload
    {"hr-seek", "yes"},
    {"audio-pitch-correction", "yes"},
    {"audio-fallback-to-null", "yes"}, // no audio device: still plays at real speed
    {"ytdl", "no"},
    {"input-default-bindings", "no"},
    {"input-vo-keyboard", "no"},
    {"osc", "no"},
    {"terminal", "no"},
    {"config", "no"},
    {"load-scripts", "no"},
    {"idle", "yes"},
    {"pause", "yes"},
    {"hwdec", "no"},
    {"audio-file-auto", "no"},
    {"sub-auto", "no"},
    {"cover-art-auto", "no"}, // no listing of the file's folder at each open
    // The file given is the file played: a playlist, an edit list or a stream manifest inside
    // it names other files or addresses, which are not opened (nor is any network protocol
    // reached from a local file).
    {"access-references", "no"},
    {"load-unsafe-playlists", "no"},
    {"demuxer-lavf-o", "protocol_whitelist=file"},
    // A picture is handed over when it is due, not 50 ms early: drawing it blocks our thread
    // until then, which, with several windows playing, leaves no time to paint.
    {"video-timing-offset", "0"},
    // The software renderer's conversion to RGB: swscale's unscaled fast path costs a fraction
    // of zimg's (which cost more than the decoding), and of swscale's own exact mode.
    {"sws-allow-zimg", "no"},
    {"sws-fast", "yes"},
    // Built-in scripts a media window has no use for (each costs memory and start time).
    {"load-stats-overlay", "no"},
    {"load-osd-console", "no"},
    {"load-auto-profiles", "no"},
};
constexpr const char *LogLevel = "warn";
constexpr const char *AudioOutput = "ao";
constexpr const char *SilentOutput = "null";

constexpr const char *TimePos = "time-pos";
constexpr const char *EofReached = "eof-reached";
constexpr const char *Duration = "duration";
constexpr const char *StartTime = "demuxer-start-time";
constexpr const char *SoundTrack = "current-tracks/audio/id";
constexpr const char *Fps = "container-fps";
constexpr const char *EstimatedFrames = "estimated-frame-count";
constexpr const char *Width = "dwidth";
constexpr const char *Height = "dheight";
constexpr const char *Pause = "pause";
constexpr const char *LoopFile = "loop-file";
constexpr const char *Speed = "speed";
constexpr const char *Volume = "volume";

constexpr const char *LoadFile = "loadfile";
constexpr const char *Replace = "replace";
constexpr const char *StartAt = "start=";
// Our own timeline is an edit list: its load alone may open the file it names.
constexpr const char *FollowReferences = "access-references=yes";
constexpr char OptionSeparator = ',';
constexpr const char *Stop = "stop";
constexpr const char *Seek = "seek";
constexpr const char *SeekExact = "absolute+exact";
constexpr const char *LoopForever = "inf";
constexpr const char *LoopNever = "no";
// mpv's edit list: "%<bytes>%<name>,start=<s>,length=<s>" per piece, pieces joined by ';'.
constexpr const char *Timeline = "edl://";
constexpr char TimelineSeparator = ';';
constexpr const char *PieceStart = ",start=";
constexpr const char *PieceLength = ",length=";
constexpr const char *RenderFormat = "bgr0"; // byte order B, G, R, x: QImage::Format_RGB32

enum Observed : uint64_t { ObserveTimePos = 1, ObserveEof };
} // namespace Mpv

// How long after its due time the end of a forward play is looked at, besides a tenth of
// the play's length: mpv starts a sound late by its buffering.
constexpr int EndGraceMs = 300;
constexpr double NearEndSeconds = 1.0;

// A backward play seeks this often when the media has no frame rate (sounds).
constexpr double DefaultStepSeconds = 0.04;

// A repeating timeline covers this long, so its one seam (mpv looping the timeline itself,
// with the short stall of a restart) comes at most once an hour.
constexpr double TimelineSeconds = 3600.0;
constexpr int MaxTimelineCopies = 4000;
// While a file loads, how often pictures mpv has ready are drawn.
constexpr double ReloadPollSeconds = 0.005;

// Side of the throw-away picture drawn while a file's size is not known yet.
constexpr int ScratchSide = 16;

// mpv's swscale path writes straight into a picture whose rows start on 32-byte boundaries;
// into any other it draws in a buffer of its own, then copies.
constexpr qsizetype RowAlignment = 64;

QImage alignedFrame(QSize size)
{
    const qsizetype stride
        = (qsizetype(size.width()) * 4 + RowAlignment - 1) / RowAlignment * RowAlignment;
    void *bits = std::aligned_alloc(RowAlignment, size_t(stride) * size.height());
    if (!bits)
        return QImage(size, QImage::Format_RGB32);
    return QImage(static_cast<uchar *>(bits), size.width(), size.height(), stride,
                  QImage::Format_RGB32, std::free, bits);
}

bool draw(mpv_render_context *render, QSize size, void *bits, size_t stride)
{
    int dimensions[2] = {size.width(), size.height()};
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_SW_SIZE, dimensions},
        {MPV_RENDER_PARAM_SW_FORMAT, const_cast<char *>(Mpv::RenderFormat)},
        {MPV_RENDER_PARAM_SW_STRIDE, &stride},
        {MPV_RENDER_PARAM_SW_POINTER, bits},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    return mpv_render_context_render(render, params) >= 0;
}

} // namespace

MpvEngine::MpvEngine(QObject *parent)
    : MediaEngine(parent)
{
    m_backwardTimer = new QTimer(this);
    m_backwardTimer->setTimerType(Qt::PreciseTimer);
    connect(m_backwardTimer, &QTimer::timeout, this, &MpvEngine::stepBackward);
    m_endTimer = new QTimer(this);
    m_endTimer->setSingleShot(true);
    connect(m_endTimer, &QTimer::timeout, this, &MpvEngine::checkEnd);

    m_mpv = mpv_create();
    if (!m_mpv) {
        qCWarning(lcMedia) << "mpv_create failed";
        return;
    }
    for (const auto &option : Mpv::Options)
        mpv_set_option_string(m_mpv, option[0], option[1]);
    if (!AudioDevices::outputAvailable())
        mpv_set_option_string(m_mpv, Mpv::AudioOutput, Mpv::SilentOutput);
    if (mpv_initialize(m_mpv) < 0) {
        qCWarning(lcMedia) << "mpv_initialize failed";
        mpv_destroy(m_mpv);
        m_mpv = nullptr;
        return;
    }
    mpv_request_log_messages(m_mpv, Mpv::LogLevel);
    mpv_observe_property(m_mpv, Mpv::ObserveTimePos, Mpv::TimePos, MPV_FORMAT_DOUBLE);
    mpv_observe_property(m_mpv, Mpv::ObserveEof, Mpv::EofReached, MPV_FORMAT_FLAG);

    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_API_TYPE, const_cast<char *>(MPV_RENDER_API_TYPE_SW)},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    if (mpv_render_context_create(&m_render, m_mpv, params) < 0) {
        qCWarning(lcMedia) << "mpv software renderer unavailable";
        m_render = nullptr;
    }
    // Both callbacks come from mpv's threads: they only post a call to ours.
    if (m_render) {
        mpv_render_context_set_update_callback(
            m_render,
            [](void *context) {
                auto *self = static_cast<MpvEngine *>(context);
                QMetaObject::invokeMethod(
                    self, [self] { self->renderFrame(); }, Qt::QueuedConnection);
            },
            this);
    }
    mpv_set_wakeup_callback(
        m_mpv,
        [](void *context) {
            auto *self = static_cast<MpvEngine *>(context);
            QMetaObject::invokeMethod(
                self, [self] { self->drainEvents(); }, Qt::QueuedConnection);
        },
        this);
}

MpvEngine::~MpvEngine()
{
    if (m_render)
        mpv_render_context_set_update_callback(m_render, nullptr, nullptr);
    if (m_render)
        mpv_render_context_free(m_render);
    if (m_mpv) {
        mpv_set_wakeup_callback(m_mpv, nullptr, nullptr);
        mpv_destroy(m_mpv);
    }
}

QString MpvEngine::name() const
{
    return QStringLiteral("mpv");
}

bool MpvEngine::open(const QString &path)
{
    close();
    if (!m_mpv)
        return false;

    m_path = QFileInfo(path).absoluteFilePath();
    if (!load(Form::File, 0.0)) {
        m_path.clear();
        return false;
    }
    readMediaFacts();
    if (m_duration <= 0.0) {
        qCInfo(lcMedia) << "mpv gives no duration for" << path;
        close();
        return false;
    }
    m_position = 0.0;
    setState(State::Stopped);
    renderFrame();
    return true;
}

bool MpvEngine::load(Form form, double start)
{
    const QByteArray url = form == Form::Timeline ? timelineUrl() : m_path.toUtf8();
    QByteArrayList optionList;
    if (start > 0.0)
        optionList << Mpv::StartAt + QByteArray::number(start, 'f', 6);
    if (form == Form::Timeline)
        optionList << Mpv::FollowReferences;
    const QByteArray options = optionList.join(Mpv::OptionSeparator);
    const char *command[]
        = {Mpv::LoadFile, url.constData(), Mpv::Replace, options.constData(), nullptr};
    m_form = form;
    m_load = Load::Requested;
    if (mpv_command(m_mpv, command) < 0) {
        m_load = Load::Idle;
        return false;
    }

    // Wait, handling mpv's events ourselves, until the first picture is ready or the file
    // failed; a file that never gets there within the limit is unplayable. Its pictures are
    // drawn meanwhile, a new file's first one too: mpv holds the restart until they are (up
    // to 200 ms), and the queued draw cannot run before we return.
    QDeadlineTimer deadline(OpenTimeoutMs);
    while (m_load != Load::Ready && m_load != Load::Failed && !deadline.hasExpired()) {
        const double wait
            = std::min(ReloadPollSeconds, std::max<qint64>(deadline.remainingTime(), 1) / 1000.0);
        const mpv_event *event = mpv_wait_event(m_mpv, wait);
        handleEvent(*event);
        renderFrame();
    }
    const bool ready = m_load == Load::Ready;
    if (!ready) {
        qCInfo(lcMedia) << "mpv could not open" << m_path
                        << (form == Form::Timeline ? "as a repeating timeline" : "")
                        << (m_load == Load::Failed ? "(error)" : "(timed out)");
        const char *stop[] = {Mpv::Stop, nullptr};
        mpv_command(m_mpv, stop);
    }
    m_load = Load::Idle;
    return ready;
}

bool MpvEngine::useForm(Form form)
{
    if (form == m_form)
        return true;
    // Until the new form has started, time-pos still speaks of the old one.
    m_seeking = true;
    if (load(form, m_position))
        return true;
    if (form == Form::Timeline && load(Form::File, m_position))
        return true;
    close();
    return false;
}

QByteArray MpvEngine::timelineUrl() const
{
    const QByteArray file = m_path.toUtf8();
    // The length before the name lets the name hold the list's own ',' and ';'.
    const QByteArray piece = '%' + QByteArray::number(file.size()) + '%' + file + Mpv::PieceStart
                             + QByteArray::number(m_startTime, 'f', 9) + Mpv::PieceLength
                             + QByteArray::number(m_duration, 'f', 9);
    const int copies
        = std::clamp(int(std::ceil(TimelineSeconds / m_duration)), 2, MaxTimelineCopies);
    QByteArray url = Mpv::Timeline;
    url.reserve(url.size() + copies * (piece.size() + 1));
    for (int i = 0; i < copies; ++i) {
        if (i > 0)
            url += Mpv::TimelineSeparator;
        url += piece;
    }
    return url;
}

void MpvEngine::close()
{
    m_backwardTimer->stop();
    if (m_mpv && m_state != State::Closed) {
        setFlag(Mpv::Pause, true);
        setString(Mpv::LoopFile, Mpv::LoopNever);
        const char *stop[] = {Mpv::Stop, nullptr};
        mpv_command(m_mpv, stop);
    }
    m_duration = 0.0;
    m_fps = 0.0;
    m_frameCount = 0;
    m_size = QSize();
    m_path.clear();
    m_startTime = 0.0;
    m_hasSound = false;
    m_form = Form::File;
    m_position = 0.0;
    m_seeking = false;
    m_end = -1.0;
    m_repeat = false;
    m_wraps = 0;
    m_frame = QImage();
    setState(State::Closed);
}

void MpvEngine::readMediaFacts()
{
    double duration = 0.0;
    if (mpv_get_property(m_mpv, Mpv::Duration, MPV_FORMAT_DOUBLE, &duration) < 0)
        duration = 0.0;
    m_duration = duration;

    int64_t width = 0;
    int64_t height = 0;
    mpv_get_property(m_mpv, Mpv::Width, MPV_FORMAT_INT64, &width);
    mpv_get_property(m_mpv, Mpv::Height, MPV_FORMAT_INT64, &height);
    m_size = width > 0 && height > 0 ? QSize(int(width), int(height)) : QSize();

    double fps = 0.0;
    if (m_size.isEmpty() || mpv_get_property(m_mpv, Mpv::Fps, MPV_FORMAT_DOUBLE, &fps) < 0)
        fps = 0.0;
    m_fps = fps > 0.0 ? fps : 0.0;

    int64_t frames = 0;
    if (m_fps > 0.0 && mpv_get_property(m_mpv, Mpv::EstimatedFrames, MPV_FORMAT_INT64, &frames) < 0)
        frames = 0;
    // The container's count is exact for AVI; elsewhere duration × rate is as good as it gets.
    m_frameCount = frames > 0 ? frames : (m_fps > 0.0 ? std::llround(m_duration * m_fps) : 0);

    double startTime = 0.0;
    if (mpv_get_property(m_mpv, Mpv::StartTime, MPV_FORMAT_DOUBLE, &startTime) < 0)
        startTime = 0.0;
    m_startTime = startTime;
    int64_t soundTrack = 0;
    m_hasSound = mpv_get_property(m_mpv, Mpv::SoundTrack, MPV_FORMAT_INT64, &soundTrack) >= 0;
}

double MpvEngine::durationSeconds() const
{
    return m_duration;
}

qint64 MpvEngine::lengthMs() const
{
    return std::llround(m_duration * 1000.0);
}

qint64 MpvEngine::frameCount() const
{
    return m_frameCount;
}

QSize MpvEngine::naturalSize() const
{
    return m_size;
}

qint64 MpvEngine::positionMs() const
{
    return std::llround(m_position * 1000.0);
}

qint64 MpvEngine::positionFrame() const
{
    if (m_fps <= 0.0)
        return 0;
    return std::clamp<qint64>(std::llround(m_position * m_fps), 0, m_frameCount);
}

void MpvEngine::seekMs(qint64 ms)
{
    if (m_state == State::Closed)
        return;
    seekSeconds(std::clamp(ms / 1000.0, 0.0, m_duration));
}

void MpvEngine::seekFrame(qint64 frame)
{
    if (m_state == State::Closed || m_fps <= 0.0)
        return;
    const qint64 clamped = std::clamp<qint64>(frame, 0, m_frameCount);
    seekSeconds(std::min(clamped / m_fps, m_duration));
}

void MpvEngine::seekSeconds(double seconds)
{
    // Outside repeat play a seek to the end of the timeline would show the next copy's first
    // picture: the file itself shows its last.
    if (m_form == Form::Timeline && !(m_repeat && m_state == State::Playing)) {
        m_position = seconds;
        emit positionChanged();
        useForm(Form::File);
        return;
    }
    const QByteArray target = QByteArray::number(seconds, 'f', 6);
    const char *command[] = {Mpv::Seek, target.constData(), Mpv::SeekExact, nullptr};
    if (mpv_command(m_mpv, command) < 0) {
        qCInfo(lcMedia) << "mpv refused a seek to" << seconds;
        return;
    }
    m_seeking = true;
    m_position = seconds;
    emit positionChanged();
    armEndCheck();
}

void MpvEngine::play(qint64 endMs, bool repeat)
{
    if (m_state == State::Closed)
        return;
    m_backwardTimer->stop();
    m_repeat = repeat;
    m_end = (repeat || endMs < 0) ? -1.0 : std::min(endMs / 1000.0, m_duration);
    const double end = m_end < 0.0 ? m_duration : m_end;
    if (m_position >= end - 1e-6) {
        if (!repeat) {
            finish(end);
            return;
        }
        seekSeconds(0.0);
    }
    // mpv loops a picture alone without a gap, but with sound it waits at each wrap for the
    // old sound to play out; a timeline of copies end to end plays straight through instead.
    // A bounded play needs the file itself, to stop at its real end.
    const bool timeline = repeat && m_hasSound && !m_size.isEmpty();
    if (!useForm(timeline ? Form::Timeline : Form::File))
        return;
    setString(Mpv::LoopFile, repeat ? Mpv::LoopForever : Mpv::LoopNever);
    setFlag(Mpv::Pause, false);
    setState(State::Playing);
    armEndCheck();
}

void MpvEngine::playBackward(qint64 toMs)
{
    if (m_state == State::Closed)
        return;
    setFlag(Mpv::Pause, true);
    setString(Mpv::LoopFile, Mpv::LoopNever);
    m_repeat = false;
    m_end = -1.0;
    if (!useForm(Form::File))
        return;
    m_backwardTo = std::clamp(toMs / 1000.0, 0.0, m_duration);
    if (m_position <= m_backwardTo + 1e-6) {
        finish(m_backwardTo);
        return;
    }
    // mpv 0.35 plays backward only with large caches and much decoding; stepping by exact
    // seeks at the frame interval shows the same pictures at the right pace.
    const double step = m_fps > 0.0 ? 1.0 / m_fps : DefaultStepSeconds;
    m_backwardTimer->start(std::max(1, int(std::lround(step * 1000.0))));
    m_backwardClock.start();
    setState(State::Playing);
}

void MpvEngine::stepBackward()
{
    const double elapsed = m_backwardClock.restart() / 1000.0 * m_speed;
    const double target = m_position - elapsed;
    if (target <= m_backwardTo) {
        m_backwardTimer->stop();
        seekSeconds(m_backwardTo);
        finish(m_backwardTo);
        return;
    }
    seekSeconds(target);
}

void MpvEngine::pause()
{
    if (m_state == State::Closed)
        return;
    m_backwardTimer->stop();
    setFlag(Mpv::Pause, true);
    setState(State::Paused);
}

void MpvEngine::stop()
{
    if (m_state == State::Closed)
        return;
    m_backwardTimer->stop();
    m_repeat = false;
    setFlag(Mpv::Pause, true);
    setString(Mpv::LoopFile, Mpv::LoopNever);
    setState(State::Stopped);
}

MediaEngine::State MpvEngine::state() const
{
    return m_state;
}

void MpvEngine::setSpeed(double factor)
{
    m_speed = factor;
    if (m_mpv)
        mpv_set_property(m_mpv, Mpv::Speed, MPV_FORMAT_DOUBLE, &factor);
    armEndCheck();
}

void MpvEngine::setVolume(double level)
{
    double percent = std::clamp(level, 0.0, 1.0) * 100.0;
    if (m_mpv)
        mpv_set_property(m_mpv, Mpv::Volume, MPV_FORMAT_DOUBLE, &percent);
}

double MpvEngine::coreSpeed() const
{
    double value = 0.0;
    if (!m_mpv || mpv_get_property(m_mpv, Mpv::Speed, MPV_FORMAT_DOUBLE, &value) < 0)
        return 0.0;
    return value;
}

double MpvEngine::coreVolume() const
{
    double value = 0.0;
    if (!m_mpv || mpv_get_property(m_mpv, Mpv::Volume, MPV_FORMAT_DOUBLE, &value) < 0)
        return -1.0;
    return value;
}

QImage MpvEngine::frame() const
{
    return m_frame;
}

void MpvEngine::setFlag(const char *name, bool value)
{
    int flag = value ? 1 : 0;
    mpv_set_property(m_mpv, name, MPV_FORMAT_FLAG, &flag);
}

void MpvEngine::setString(const char *name, const char *value)
{
    mpv_set_property_string(m_mpv, name, value);
}

void MpvEngine::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    if (state != State::Playing)
        m_endTimer->stop();
    emit stateChanged();
}

void MpvEngine::finish(double seconds)
{
    setFlag(Mpv::Pause, true);
    setString(Mpv::LoopFile, Mpv::LoopNever);
    m_repeat = false;
    m_end = -1.0;
    m_position = seconds;
    emit positionChanged();
    setState(State::Stopped);
    emit ended();
}

void MpvEngine::drainEvents()
{
    if (!m_mpv)
        return;
    while (true) {
        const mpv_event *event = mpv_wait_event(m_mpv, 0);
        if (event->event_id == MPV_EVENT_NONE)
            break;
        handleEvent(*event);
    }
    // The end as mpv reports it may be lost: a short sound can leave eof-reached true again
    // before its brief false was ever observed. So near the end the flag is also read as it
    // stands (only there: a read waits for the core, which would stall a wrap of repeat play).
    const double end = m_end < 0.0 ? m_duration : m_end;
    if (m_state == State::Playing && !m_repeat && !m_seeking && end - m_position < NearEndSeconds
        && coreAtEnd())
        onEndReached();
}

void MpvEngine::handleEvent(const mpv_event &event)
{
    switch (event.event_id) {
    case MPV_EVENT_NONE:
    case MPV_EVENT_GET_PROPERTY_REPLY:
    case MPV_EVENT_SET_PROPERTY_REPLY:
    case MPV_EVENT_COMMAND_REPLY:
    case MPV_EVENT_IDLE:
    case MPV_EVENT_TICK:
    case MPV_EVENT_CLIENT_MESSAGE:
    case MPV_EVENT_AUDIO_RECONFIG:
    case MPV_EVENT_SEEK:
    case MPV_EVENT_QUEUE_OVERFLOW:
    case MPV_EVENT_HOOK:
        break;
    case MPV_EVENT_SHUTDOWN:
        qCInfo(lcMedia) << "mpv core shut down";
        break;
    case MPV_EVENT_LOG_MESSAGE: {
        const auto *message = static_cast<const mpv_event_log_message *>(event.data);
        qCDebug(lcMedia).noquote()
            << "mpv" << message->prefix << QString::fromUtf8(message->text).trimmed();
        break;
    }
    case MPV_EVENT_START_FILE:
        if (m_load == Load::Requested)
            m_load = Load::Started;
        break;
    case MPV_EVENT_END_FILE: {
        // An end before our file started belongs to the file it replaced.
        if (m_load == Load::Started || m_load == Load::Loaded) {
            const auto *end = static_cast<const mpv_event_end_file *>(event.data);
            if (end->reason == MPV_END_FILE_REASON_ERROR)
                qCInfo(lcMedia) << "mpv:" << mpv_error_string(end->error);
            m_load = Load::Failed;
        }
        break;
    }
    case MPV_EVENT_FILE_LOADED:
        if (m_load == Load::Started)
            m_load = Load::Loaded;
        break;
    case MPV_EVENT_VIDEO_RECONFIG:
        // The timeline's duration and frame count are those of all its copies.
        if (m_state != State::Closed && m_form == Form::File)
            readMediaFacts();
        break;
    case MPV_EVENT_PLAYBACK_RESTART:
        if (m_load == Load::Loaded)
            m_load = Load::Ready;
        m_seeking = false;
        break;
    case MPV_EVENT_PROPERTY_CHANGE: {
        const auto *property = static_cast<const mpv_event_property *>(event.data);
        if (event.reply_userdata == Mpv::ObserveTimePos && property->format == MPV_FORMAT_DOUBLE)
            onTimePos(*static_cast<const double *>(property->data));
        else if (event.reply_userdata == Mpv::ObserveEof && property->format == MPV_FORMAT_FLAG
                 && *static_cast<const int *>(property->data))
            onEndReached();
        break;
    }
    }
}

void MpvEngine::onTimePos(double seconds)
{
    // Stopped or paused, the position is the one we set; mpv may still report the last
    // picture before the end, which is not where the user put it.
    if (m_state != State::Playing || m_seeking || m_backwardTimer->isActive())
        return;
    if (m_form == Form::Timeline)
        seconds -= std::floor(seconds / m_duration) * m_duration;
    if (m_repeat && seconds + m_duration / 2 < m_position)
        ++m_wraps;
    m_position = seconds;
    emit positionChanged();
    if (m_end >= 0.0 && seconds >= m_end) {
        seekSeconds(m_end);
        finish(m_end);
    }
}

void MpvEngine::onEndReached()
{
    if (m_state == State::Playing && !m_repeat && !m_backwardTimer->isActive())
        finishForward();
}

bool MpvEngine::coreAtEnd() const
{
    int flag = 0;
    return m_mpv && mpv_get_property(m_mpv, Mpv::EofReached, MPV_FORMAT_FLAG, &flag) >= 0 && flag;
}

void MpvEngine::finishForward()
{
    if (m_end < 0.0) {
        finish(m_duration);
        return;
    }
    const double end = m_end;
    seekSeconds(end);
    finish(end);
}

void MpvEngine::armEndCheck()
{
    m_endTimer->stop();
    if (m_state != State::Playing || m_repeat || m_backwardTimer->isActive())
        return;
    const double end = m_end < 0.0 ? m_duration : m_end;
    const double seconds = std::max(0.0, end - m_position) / std::max(m_speed, 0.01);
    m_endCheckPosition = m_position;
    m_endTimer->start(int(std::min(seconds * 1100.0, 24.0 * 3600 * 1000)) + EndGraceMs);
}

void MpvEngine::checkEnd()
{
    if (m_state != State::Playing || m_repeat || m_backwardTimer->isActive())
        return;
    const double end = m_end < 0.0 ? m_duration : m_end;
    double position = 0.0;
    const bool known = mpv_get_property(m_mpv, Mpv::TimePos, MPV_FORMAT_DOUBLE, &position) >= 0;
    if (coreAtEnd() || (known && position >= end - 0.001)) {
        finishForward();
        return;
    }
    if (known && position > m_endCheckPosition + 0.001) {
        // Late, but still playing: the rest gets its own time.
        m_position = position;
        emit positionChanged();
        armEndCheck();
        return;
    }
    qCInfo(lcMedia) << "mpv stopped short of the end of" << m_path << "at" << position;
    finish(end);
}

void MpvEngine::renderFrame()
{
    if (!m_render)
        return;
    const bool fresh = mpv_render_context_update(m_render) & MPV_RENDER_UPDATE_FRAME;
    // mpv holds its core until each picture it hands over is drawn (for up to 200 ms), also
    // the blank one of a stop and the first one of a file still loading, while the engine
    // counts as closed. While it holds a picture it answers no property, so a loading file's
    // size is not known yet: a throw-away drawing lets mpv go on, and open() draws again.
    const bool loading = m_load == Load::Loaded;
    if ((m_state == State::Closed && !loading) || m_size.isEmpty()) {
        if (fresh) {
            std::array<quint32, ScratchSide * ScratchSide> scratch;
            draw(m_render, QSize(ScratchSide, ScratchSide), scratch.data(),
                 ScratchSide * sizeof(quint32));
        }
        return;
    }
    // Without a picture yet, the one mpv shows now is drawn again.
    if (!fresh && !m_frame.isNull())
        return;
    // A picture still held elsewhere is left to its holder rather than copied.
    if (m_frame.size() != m_size || !m_frame.isDetached())
        m_frame = alignedFrame(m_size);
    if (draw(m_render, m_size, m_frame.bits(), size_t(m_frame.bytesPerLine())))
        emit frameChanged();
}
