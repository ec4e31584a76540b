#pragma once

#include <QObject>

class Form;
class MediaWindow;
class QTimer;
class ZarnBttn;
struct FenPrinState;

// The nine transport buttons under the animation, and what the main window does when the
// media window reports a change of mode.
class Transport : public QObject
{
    Q_OBJECT

public:
    Transport(Form &window, FenPrinState &state, MediaWindow &media, QTimer &slideshowTimer);

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

private:
    void rewind();
    void showPlay(bool play);
    ZarnBttn *button(const char *name) const;

    Form &m_window;
    FenPrinState &m_state;
    MediaWindow &m_media;
    QTimer &m_timer;
};
