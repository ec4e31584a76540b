#pragma once

#include <QObject>

#include <functional>

class Form;
class MediaWindow;
class ScrollBar;
class ZarnBttn;
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

    // The zoom shown in the panel, as the media window takes it back after a stop.
    QString zoomCaption() const;
    // A new file opens at zoom 100: the media window and the zoom display say so.
    void resetZoom();
    // The bar and the display follow a zoom the program chose.
    void showZoom(int zoom);
    // The panel's button is available while an animation is loaded.
    void allowOpening(bool allowed);

signals:
    // The restore button's action, run at the end of Annuler.
    void restoreRequested();

private:
    void speedMoved();
    void volumeMoved();
    void zoomMoved();
    void hidePanels();

    FenPrinState &m_state;
    MediaWindow &m_media;
    ScrollBar *m_speed;
    ScrollBar *m_volume;
    ScrollBar *m_zoom;
    ZarnPanel *m_speedText;
    ZarnPanel *m_volumeText;
    ZarnPanel *m_zoomText;
    ZarnPanel *m_panel;
    ZarnPanel *m_lowerPanel;
    ZarnBttn *m_open;
};
