#pragma once

#include "media/MediaEngine.h"
#include "media/midi/MidiFile.h"

#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>

#include <vector>

typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_audio_driver_t fluid_audio_driver_t;

// Plays MID and RMI files through a FluidSynth synthesizer with the system's General MIDI
// soundfont. The engine is its own sequencer: it walks MidiFile's merged event list against a
// monotonic clock, so the position is exact in milliseconds, a seek lands where it is asked
// with every channel's instrument and controllers as the file left them there, and the speed
// factor simply scales the clock. Sound goes to the desktop through FluidSynth's PulseAudio or
// ALSA driver; with no audio device the synthesizer is rendered into a discarded buffer at
// real speed, so playing, positions and the end behave the same. FluidSynth's own file player
// was not used: it reports and seeks in ticks with no tempo map to turn them into
// milliseconds, and it advances only as the synthesizer renders; sequencing the file here keeps
// one clock for both outputs.
//
// Music cannot play backward: playBackward() moves to its target and reports the play ended.
// There are no pictures: frameCount() is 0 and frame seeks are ignored.
class MidiEngine : public MediaEngine
{
    Q_OBJECT

public:
    enum class Output { Automatic, Silent };

    explicit MidiEngine(QObject *parent = nullptr);
    ~MidiEngine() override;

    // Where the General MIDI soundfont is looked for; read at the first open.
    void setSoundFontFolders(const QStringList &folders) { m_soundFontFolders = folders; }
    static QStringList defaultSoundFontFolders();
    // default-GM.sf2, then TimGM6mb.sf2, then any *.sf2 below the folders; empty when none.
    static QString findSoundFont(const QStringList &folders);
    // Silent renders into a discarded buffer even when an audio device exists (tests).
    // Read when the synthesizer is made, at the first open.
    void setOutput(Output output) { m_output = output; }
    bool isSilent() const { return m_synth != nullptr && m_driver == nullptr; }
    // The program a channel plays now, -1 when no synthesizer: lets a caller check that a
    // seek restored the instruments.
    int channelProgram(int channel) const;
    const MidiFile &file() const { return m_file; }
    double speed() const { return m_speed; }

    QString name() const override { return QStringLiteral("midi"); }
    bool open(const QString &path) override;
    void close() override;

    qint64 lengthMs() const override { return m_file.lengthMs(); }
    qint64 frameCount() const override { return 0; }
    QSize naturalSize() const override { return {}; }

    qint64 positionMs() const override;
    qint64 positionFrame() const override { return 0; }
    void seekMs(qint64 ms) override;
    void seekFrame(qint64 frame) override;

    void play(qint64 endMs, bool repeat) override;
    void playBackward(qint64 toMs) override;
    void pause() override;
    void stop() override;
    State state() const override { return m_state; }

    // Tempo factor, clamped to 0.1 .. 4.
    void setSpeed(double factor) override;
    void setVolume(double level) override;

    QImage frame() const override { return {}; }

private:
    bool ensureSynth();
    void releaseSynth();
    void tick();
    double mediaMsAt(qint64 wallNs) const;
    qint64 wallNsAt(double mediaMs) const;
    void anchor(double mediaMs, qint64 wallNs);
    // Silences everything, resets the synthesizer and replays every non-note event before ms,
    // so that the next event to play is the first at or after ms.
    void chaseTo(double ms);
    void send(const MidiEvent &event);
    void renderUntil(qint64 wallNs);
    void halt(State newState);
    void setState(State state);

    fluid_settings_t *m_settings = nullptr;
    fluid_synth_t *m_synth = nullptr;
    fluid_audio_driver_t *m_driver = nullptr;
    double m_sampleRate = 44100.0;
    float m_baseGain = 0.2f;

    Output m_output = Output::Automatic;
    QStringList m_soundFontFolders;
    MidiFile m_file;
    State m_state = State::Closed;

    QTimer m_timer;
    QElapsedTimer m_clock;
    double m_anchorMs = 0.0;   // media time at m_anchorNs
    qint64 m_anchorNs = 0;     // wall time, on m_clock
    double m_positionMs = 0.0; // while not playing
    double m_endMs = 0.0;
    bool m_repeat = false;
    std::size_t m_next = 0; // next event to send
    double m_speed = 1.0;
    double m_volume = 1.0;
    qint64 m_renderOriginNs = 0;
    qint64 m_renderedFrames = 0;
    qint64 m_lastPositionSignalNs = 0;
    std::vector<float> m_discard;
};
