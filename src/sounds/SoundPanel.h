#pragma once

#include <QObject>

struct AppContext;
class CommonDialog;
class Form;
class ZarnBttn;
class ZarnPanel;
class MediaWindow;
class QTimer;
struct FenPrinState;

// The small MIDI, RMI and WAVE player of the main window, its loop, and the sounds panel
// that covers the left columns.
class SoundPanel : public QObject
{
    Q_OBJECT

public:
    SoundPanel(Form &window, FenPrinState &state, MediaWindow &media, QTimer &loopTimer,
               CommonDialog &dialog, AppContext &context);

    void load();
    // The steps that follow the dialog, for a sound chosen elsewhere (the desktop); false
    // when it cannot be played.
    bool loadChosen(const QString &file);
    void showDuration();
    void play();
    void loop();
    void stop();
    void onModeChanged();
    void showPanel();
    void hidePanel();

    static QString durationText(const QString &name, qint32 lengthMs);

private:
    void showPlaying(bool playing);

    FenPrinState &m_state;
    MediaWindow &m_media;
    QTimer &m_timer;
    CommonDialog &m_dialog;
    AppContext &m_context;
    ZarnBttn *m_play;
    ZarnBttn *m_stop;
    ZarnBttn *m_loop;
    ZarnPanel *m_panel;
    ZarnPanel *m_lowerPanel;
};
