#pragma once

#include <QObject>

#include <functional>

class Form;
class MediaWindow;
class ScrollBar;
class ZarnPanel;
struct FenPrinState;

// The speed, volume and zoom panel: every move takes effect at once; OK keeps the values,
// Annuler restores those in force when the panel was opened.
class SettingsPanel : public QObject
{
    Q_OBJECT

public:
    SettingsPanel(Form &window, FenPrinState &state, MediaWindow &media);

    void open();
    void ok();
    void cancel();
    void preset(int index);

signals:
    // The restore button's action, run at the end of Annuler.
    void restoreRequested();

private:
    void speedMoved();
    void volumeMoved();
    void zoomMoved();
    void hidePanels();

    Form &m_window;
    FenPrinState &m_state;
    MediaWindow &m_media;
    ScrollBar *m_speed;
    ScrollBar *m_volume;
    ScrollBar *m_zoom;
    ZarnPanel *m_speedText;
    ZarnPanel *m_volumeText;
    ZarnPanel *m_zoomText;
};
