#pragma once

#include "MediaEngine.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

class QMenu;
class QSlider;
class QTimer;
class QToolButton;
class FullScreenView;
struct MediaCommand;

// The kinds of engine a file can need; chosen from the file's content, then its name.
enum class MediaKind { Mpv, Flic, Midi };

// The media window: the one door to playback. It opens a file through an engine chosen for
// it, shows its picture scaled to the window with an optional play bar beneath, obeys command
// strings, and reports every change through queued notifications: each signal arrives after
// the change, once the call that caused it has returned.
//
// Positions and lengths are in the current time format, "ms" or "frames". The mode is one of
// not ready (no media), open, stopped, playing or paused.
class MediaWindow : public QWidget
{
    Q_OBJECT

public:
    // Makes an engine for a kind of media. One window keeps its engine across files of the
    // same kind, so it never holds more than one decoder (one libmpv core) at a time.
    using EngineFactory = std::function<std::unique_ptr<MediaEngine>(MediaKind kind)>;
    // Asks the user for a file to open from the play bar's menu; empty when cancelled.
    using FileChooser = std::function<QString()>;

    static constexpr int PlayBarHeight = 18;
    // Width given to media with no picture (sounds).
    static constexpr int SoundWidth = 153;

    explicit MediaWindow(QWidget *parent = nullptr);
    explicit MediaWindow(EngineFactory factory, QWidget *parent = nullptr);
    ~MediaWindow() override;

    // The engines of the program: mpv, our FLIC decoder, FluidSynth.
    static EngineFactory defaultEngineFactory();
    static MediaKind kindOf(const QString &path);
    void setEngineFactory(EngineFactory factory);
    void setFileChooser(FileChooser chooser);

    // Opens path in place of the current media; an empty path closes it. A file that cannot be
    // played leaves no media open and reads back "".
    QString fileName() const;
    void setFileName(const QString &path);

    // "ms" or "frames" (any case); anything else is ignored.
    QString timeFormat() const;
    void setTimeFormat(const QString &format);

    qint32 length() const;
    qint32 position() const;
    // Moves to a position in the current unit, clamped into the media; playing goes on.
    void setPosition(qint32 position);
    // The same from text ("0"); text that is not a whole number is ignored (false).
    bool setPositionText(const QString &text);

    enum class Mode { NotReady, Open, Stopped, Playing, Paused };
    Q_ENUM(Mode)
    Mode mode() const;
    // The mode in the words of the media control interface: "not ready", "playing"...
    QString modeName() const;

    // Thousandths of normal speed, 100 to 4000; the pitch of the sound is kept.
    int speed() const;
    void setSpeed(int thousandths);
    // 0 (silent) to 1000 (normal).
    int volume() const;
    void setVolume(int level);
    // Percent of the natural picture size, 10 to 400. Writing it resizes the window to the
    // zoomed picture plus the play bar.
    int zoom() const;
    void setZoom(int percent);
    bool setZoomText(const QString &text);

    // The display option: false hides the play bar.
    bool showPlayBar() const;
    void setShowPlayBar(bool show);
    // 0: none; 1: a thin frame.
    int borderStyle() const;
    void setBorderStyle(int style);

    // Runs one command string (see MediaCommand). A string outside the grammar, or one that
    // needs media when none is open, does nothing and gives false.
    bool sendCommand(const QString &command);

    // Picture size in pixels; empty for sounds or when nothing is open.
    QSize naturalSize() const;
    // Name of the engine holding the media ("mpv", "flic", "midi", ...); "" when none.
    QString engineName() const;
    // The engine of the open media, or nullptr; for tests and tools that drive it directly.
    MediaEngine *engine() const;
    // True while a "play fullscreen" shows the picture on the whole screen.
    bool isFullScreenPlaying() const;

    QSize sizeHint() const override;

signals:
    void mediaChanged();
    void modeChanged();
    void positionChanged();
    void sizeChanged();
    void mouseClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void buildPlayBar();
    void layoutPlayBar();
    QRect pictureRect() const;
    void execute(const MediaCommand &command);
    void closeMedia();
    void applyZoomSize();
    qint64 toMs(qint64 position) const;
    void connectEngine();
    void onEngineStateChanged();
    void onEngineEnded();
    void syncPlayBar();
    void startFullScreen();
    void endFullScreen();
    void populateMenu();

    // Each notification is posted, so it reaches its handlers after the current call returns.
    void postMediaChanged();
    void postModeChanged();
    void postPositionChanged();
    void postSizeChanged();
    void postMouseClicked();
    void reportModeIfChanged();

    EngineFactory m_factory;
    FileChooser m_fileChooser;
    std::unique_ptr<MediaEngine> m_engine;
    MediaKind m_engineKind = MediaKind::Mpv;
    QString m_fileName;
    bool m_frames = false;
    int m_speed = 1000;
    int m_volume = 1000;
    int m_zoom = 100;
    bool m_showPlayBar = true;
    int m_borderStyle = 0;
    Mode m_reportedMode = Mode::NotReady;
    bool m_repeating = false;
    bool m_inCommand = false;

    QWidget *m_playBar = nullptr;
    QToolButton *m_playButton = nullptr;
    QSlider *m_trackBar = nullptr;
    QToolButton *m_menuButton = nullptr;
    QMenu *m_menu = nullptr;
    bool m_trackBarDragging = false;
    bool m_syncingTrackBar = false;
    QTimer *m_positionTimer = nullptr;
    QPointer<FullScreenView> m_fullScreen;
};
