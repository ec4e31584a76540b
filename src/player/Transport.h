#pragma once

#include <QObject>

class Form;
class MediaWindow;
class QTimer;
class SettingsPanel;
class ZarnBttn;
class ZarnPanel;
struct FenPrinState;

// The nine transport buttons under the animation, and what the main window does when the
// media window reports a change of mode.
class Transport : public QObject
{
    Q_OBJECT

public:
    Transport(Form &window, FenPrinState &state, MediaWindow &media, QTimer &slideshowTimer,
              SettingsPanel &settings);

    // A file was just given to the media window: play, repeat and full screen become
    // available and the bar shows.
    void armForFile();
    void showBar(bool visible);

    void play();
    void pause();
    void stop();
    void loop();
    void fullScreen();
    void toStart();
    void toEnd();
    void backwardsFromEnd();
    void step(qint32 deltaMs);
    void onModeChanged();

signals:
    // The slideshow menu button follows the media: unavailable while an animation plays.
    void slideshowAllowed(bool allowed);

private:
    void rewind();
    void showPlay(bool play);

    FenPrinState &m_state;
    MediaWindow &m_media;
    QTimer &m_timer;
    SettingsPanel &m_settings;
    ZarnPanel *m_bar;
    ZarnBttn *m_play;
    ZarnBttn *m_pause;
    ZarnBttn *m_stop;
    ZarnBttn *m_repeat;
    ZarnBttn *m_fullScreen;
    ZarnBttn *m_start;
    ZarnBttn *m_end;
    ZarnBttn *m_forward;
    ZarnBttn *m_backward;
};
