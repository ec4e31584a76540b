#include "media/midi/MidiEngine.h"

#include "core/AudioDevices.h"
#include "core/Logging.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>
#include <mutex>

namespace {

constexpr int kTickIntervalMs = 5;
constexpr qint64 kPositionSignalNs = 50'000'000;
constexpr int kRenderChunkFrames = 1024;
constexpr double kMinSpeed = 0.1;
constexpr double kMaxSpeed = 4.0;
// Wraps allowed in one tick while repeating a very short stretch; beyond that the clock is
// re-anchored rather than looping on.
constexpr int kMaxWrapsPerTick = 1000;

// FluidSynth may log from its audio thread: the message is only handed to the application's
// thread, where it goes to the media category.
void logFromFluid(int level, const char *message, void *)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || !message)
        return;
    const QString text = QString::fromUtf8(message);
    QMetaObject::invokeMethod(
        app, [level, text] { qCDebug(lcMedia) << "fluidsynth" << level << text; },
        Qt::QueuedConnection);
}

void routeFluidLogs()
{
    static std::once_flag once;
    std::call_once(once, [] {
        for (const int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN})
            fluid_set_log_function(level, logFromFluid, nullptr);
        fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
        fluid_set_log_function(FLUID_DBG, nullptr, nullptr);
    });
}

} // namespace

MidiEngine::MidiEngine(QObject *parent)
    : MediaEngine(parent)
    , m_soundFontFolders(defaultSoundFontFolders())
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(kTickIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &MidiEngine::tick);
    m_clock.start();
}

MidiEngine::~MidiEngine()
{
    m_timer.stop();
    releaseSynth();
}

QStringList MidiEngine::defaultSoundFontFolders()
{
    return {QStringLiteral("/usr/share/sounds/sf2"), QStringLiteral("/usr/share/soundfonts")};
}

QString MidiEngine::findSoundFont(const QStringList &folders)
{
    for (const QString &name : {QStringLiteral("default-GM.sf2"), QStringLiteral("TimGM6mb.sf2")}) {
        for (const QString &folder : folders) {
            const QFileInfo info(QDir(folder).filePath(name));
            if (info.isFile() && info.isReadable()) // a dangling alternatives link is skipped
                return info.filePath();
        }
    }
    for (const QString &folder : folders) {
        QStringList found;
        QDirIterator it(folder, {QStringLiteral("*.sf2"), QStringLiteral("*.SF2")}, QDir::Files,
                        QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
        while (it.hasNext()) {
            const QString path = it.next();
            if (QFileInfo(path).isReadable())
                found << path;
        }
        if (!found.isEmpty()) {
            found.sort();
            return found.first();
        }
    }
    return {};
}

bool MidiEngine::ensureSynth()
{
    if (m_synth)
        return true;
    const QString soundFont = findSoundFont(m_soundFontFolders);
    if (soundFont.isEmpty()) {
        qCWarning(lcMedia) << "MIDI: no General MIDI soundfont in" << m_soundFontFolders;
        return false;
    }
    routeFluidLogs();
    m_settings = new_fluid_settings();
    if (!m_settings) {
        qCWarning(lcMedia) << "MIDI: FluidSynth settings could not be made";
        return false;
    }
    fluid_settings_setnum(m_settings, "synth.sample-rate", m_sampleRate);
    m_synth = new_fluid_synth(m_settings);
    if (!m_synth
        || fluid_synth_sfload(m_synth, QFile::encodeName(soundFont).constData(), 1)
               == FLUID_FAILED) {
        qCWarning(lcMedia) << "MIDI: soundfont could not be loaded:" << soundFont;
        releaseSynth();
        return false;
    }
    fluid_settings_getnum(m_settings, "synth.sample-rate", &m_sampleRate);
    m_baseGain = fluid_synth_get_gain(m_synth);
    fluid_synth_set_gain(m_synth, float(m_baseGain * m_volume));

    if (m_output == Output::Automatic && AudioDevices::outputAvailable()) {
        for (const char *driver : {"pulseaudio", "alsa"}) {
            if (fluid_settings_setstr(m_settings, "audio.driver", driver) != FLUID_OK)
                continue;
            m_driver = new_fluid_audio_driver(m_settings, m_synth);
            if (m_driver)
                break;
        }
    }
    if (!m_driver) {
        qCInfo(lcMedia) << "MIDI: no audio device, playing on a silent output";
        m_discard.assign(std::size_t(kRenderChunkFrames) * 2, 0.0f);
    }
    return true;
}

void MidiEngine::releaseSynth()
{
    // The driver renders from the synthesizer on its own thread, so it goes first.
    if (m_driver)
        delete_fluid_audio_driver(m_driver);
    if (m_synth)
        delete_fluid_synth(m_synth);
    if (m_settings)
        delete_fluid_settings(m_settings);
    m_driver = nullptr;
    m_synth = nullptr;
    m_settings = nullptr;
}

int MidiEngine::channelProgram(int channel) const
{
    if (!m_synth)
        return -1;
    int soundFont = 0;
    int bank = 0;
    int program = -1;
    if (fluid_synth_get_program(m_synth, channel, &soundFont, &bank, &program) != FLUID_OK)
        return -1;
    return program;
}

bool MidiEngine::open(const QString &path)
{
    close();
    MidiFile file;
    if (!file.load(path)) {
        qCWarning(lcMedia) << "MIDI: refused" << path << "-" << file.errorString();
        return false;
    }
    if (file.isPartial())
        qCInfo(lcMedia) << "MIDI: read partially" << path << "-" << file.errorString();
    if (!ensureSynth())
        return false;
    m_file = std::move(file);
    m_positionMs = 0.0;
    m_endMs = m_file.lengthMsExact();
    m_repeat = false;
    chaseTo(0.0);
    setState(State::Stopped);
    emit positionChanged();
    return true;
}

void MidiEngine::close()
{
    m_timer.stop();
    if (m_synth)
        fluid_synth_all_sounds_off(m_synth, -1);
    m_file = MidiFile();
    m_positionMs = 0.0;
    m_next = 0;
    setState(State::Closed);
}

double MidiEngine::mediaMsAt(qint64 wallNs) const
{
    return m_anchorMs + double(wallNs - m_anchorNs) / 1e6 * m_speed;
}

qint64 MidiEngine::wallNsAt(double mediaMs) const
{
    return m_anchorNs + qint64(std::llround((mediaMs - m_anchorMs) / m_speed * 1e6));
}

void MidiEngine::anchor(double mediaMs, qint64 wallNs)
{
    m_anchorMs = mediaMs;
    m_anchorNs = wallNs;
}

qint64 MidiEngine::positionMs() const
{
    if (m_state != State::Playing)
        return std::llround(m_positionMs);
    const double now = mediaMsAt(m_clock.nsecsElapsed());
    return std::llround(std::clamp(now, 0.0, std::max(m_endMs, m_anchorMs)));
}

void MidiEngine::seekMs(qint64 ms)
{
    if (m_state == State::Closed)
        return;
    const double target = std::clamp(double(ms), 0.0, m_file.lengthMsExact());
    chaseTo(target);
    if (m_state == State::Playing)
        anchor(target, m_clock.nsecsElapsed());
    m_positionMs = target;
    emit positionChanged();
}

void MidiEngine::seekFrame(qint64 frame)
{
    qCDebug(lcMedia) << "MIDI: no pictures, frame seek to" << frame << "ignored";
}

void MidiEngine::play(qint64 endMs, bool repeat)
{
    if (m_state == State::Closed) {
        qCDebug(lcMedia) << "MIDI: play with no file open";
        return;
    }
    const double length = m_file.lengthMsExact();
    m_endMs = (endMs < 0 || double(endMs) > length) ? length : double(endMs);
    m_repeat = repeat;
    if (m_state != State::Playing) {
        const qint64 now = m_clock.nsecsElapsed();
        anchor(m_positionMs, now);
        m_renderOriginNs = now;
        m_renderedFrames = 0;
        m_lastPositionSignalNs = now;
        m_timer.start();
        setState(State::Playing);
    }
    tick();
}

void MidiEngine::playBackward(qint64 toMs)
{
    if (m_state == State::Closed)
        return;
    qCDebug(lcMedia) << "MIDI: music does not play backward; moving to" << toMs;
    halt(State::Stopped);
    seekMs(toMs);
    emit ended();
}

void MidiEngine::pause()
{
    if (m_state == State::Closed)
        return;
    halt(State::Paused);
}

void MidiEngine::stop()
{
    if (m_state == State::Closed)
        return;
    halt(State::Stopped);
}

void MidiEngine::halt(State newState)
{
    if (m_state == State::Playing) {
        m_positionMs = double(positionMs());
        m_timer.stop();
    }
    fluid_synth_all_sounds_off(m_synth, -1);
    setState(newState);
}

void MidiEngine::setSpeed(double factor)
{
    const double speed = std::clamp(factor, kMinSpeed, kMaxSpeed);
    if (m_state == State::Playing) {
        const qint64 now = m_clock.nsecsElapsed();
        anchor(mediaMsAt(now), now);
    }
    m_speed = speed;
}

void MidiEngine::setVolume(double level)
{
    m_volume = std::clamp(level, 0.0, 1.0);
    if (m_synth)
        fluid_synth_set_gain(m_synth, float(m_baseGain * m_volume));
}

void MidiEngine::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged();
}

void MidiEngine::chaseTo(double ms)
{
    fluid_synth_all_sounds_off(m_synth, -1);
    fluid_synth_system_reset(m_synth);
    const std::vector<MidiEvent> &events = m_file.events();
    m_next = 0;
    for (; m_next < events.size() && events[m_next].ms < ms; ++m_next) {
        if (!events[m_next].isNote())
            send(events[m_next]);
    }
}

void MidiEngine::send(const MidiEvent &event)
{
    const int channel = event.channel();
    switch (event.status & 0xF0) {
    case 0x80:
        fluid_synth_noteoff(m_synth, channel, event.data1);
        break;
    case 0x90:
        fluid_synth_noteon(m_synth, channel, event.data1, event.data2);
        break;
    case 0xA0:
        fluid_synth_key_pressure(m_synth, channel, event.data1, event.data2);
        break;
    case 0xB0:
        fluid_synth_cc(m_synth, channel, event.data1, event.data2);
        break;
    case 0xC0:
        fluid_synth_program_change(m_synth, channel, event.data1);
        break;
    case 0xD0:
        fluid_synth_channel_pressure(m_synth, channel, event.data1);
        break;
    case 0xE0:
        fluid_synth_pitch_bend(m_synth, channel, event.data2 << 7 | event.data1);
        break;
    case 0xF0: {
        // Only complete F0 messages; F7 continuation packets are too rare to reassemble.
        if (event.status != 0xF0)
            break;
        const QByteArray &data = m_file.sysexData();
        int length = int(event.sysexLength);
        const char *bytes = data.constData() + event.sysexOffset;
        if (length > 0 && quint8(bytes[length - 1]) == 0xF7)
            --length;
        if (length > 0)
            fluid_synth_sysex(m_synth, bytes, length, nullptr, nullptr, nullptr, 0);
        break;
    }
    }
}

void MidiEngine::renderUntil(qint64 wallNs)
{
    if (m_driver)
        return; // the audio device's own thread pulls the sound
    const qint64 target = qint64(double(wallNs - m_renderOriginNs) * m_sampleRate / 1e9);
    qint64 missing = target - m_renderedFrames;
    // After a long stall (a suspended machine) the backlog is dropped, not rendered.
    if (missing > qint64(m_sampleRate)) {
        m_renderedFrames = target - qint64(m_sampleRate);
        missing = qint64(m_sampleRate);
    }
    while (missing > 0) {
        const int frames = int(std::min<qint64>(missing, kRenderChunkFrames));
        fluid_synth_write_float(m_synth, frames, m_discard.data(), 0, 2, m_discard.data(), 1, 2);
        missing -= frames;
        m_renderedFrames += frames;
    }
}

void MidiEngine::tick()
{
    if (m_state != State::Playing)
        return;
    const std::vector<MidiEvent> &events = m_file.events();
    const qint64 now = m_clock.nsecsElapsed();
    for (int wraps = 0;; ++wraps) {
        const double target = std::min(mediaMsAt(now), m_endMs);
        for (; m_next < events.size() && events[m_next].ms <= target; ++m_next) {
            renderUntil(std::min(now, wallNsAt(events[m_next].ms)));
            send(events[m_next]);
        }
        if (mediaMsAt(now) < m_endMs)
            break;
        const qint64 endNs = std::clamp(wallNsAt(m_endMs), m_anchorNs, now);
        renderUntil(endNs);
        if (!m_repeat || m_endMs <= 0.0) {
            // A play that starts beyond its end stays where it started.
            m_positionMs = std::max(m_endMs, m_anchorMs);
            m_timer.stop();
            fluid_synth_all_notes_off(m_synth, -1);
            setState(State::Stopped);
            emit positionChanged();
            emit ended();
            return;
        }
        chaseTo(0.0);
        anchor(0.0, wraps < kMaxWrapsPerTick ? endNs : now);
    }
    renderUntil(now);
    if (now - m_lastPositionSignalNs >= kPositionSignalNs) {
        m_lastPositionSignalNs = now;
        emit positionChanged();
    }
}
