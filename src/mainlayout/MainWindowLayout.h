#pragma once

#include <QList>
#include <QObject>

#include <QSizeF>
#include <array>

#include <functional>

class Form;
class MediaWindow;
struct FenPrinState;

// Re-lays the main window out whenever its size or state changes: the bands follow the
// edges, the media pane stays centred in its frame, and with no media the window snaps back
// to its default size. Also the restore button and the fitting of the frame to the pane.
class MainWindowLayout : public QObject
{
    Q_OBJECT

public:
    MainWindowLayout(Form &window, FenPrinState &state, MediaWindow &media);

    // The resize step, run after every change of the window's size or state.
    void resizeStep();
    // The restore button: shrink to the pane, centre, bring to front.
    void restore();
    // Frame, bar and picture area placed around the pane for the current window size.
    void fitFrame();
    // Places the right bands against the right edge.
    void placeRightBands();
    // No media: default size and placement.
    void defaultLayout();
    // Size change of the window made by the program; the resize step follows.
    void setWindowSize(double width, double height);
    void centreOnScreen();
    // The size of the screen the window is on.
    QSizeF screenTwips() const;

signals:
    // The background screen: shown again on restore, unloaded on minimise.
    void backgroundWanted();
    void backgroundNotWanted();

private:
    void placeDefaultPane();
    void placeBarAndPicture();
    bool hasMedia() const;

    Form &m_window;
    FenPrinState &m_state;
    MediaWindow &m_media;
    QWidget *m_frame;
    QWidget *m_bar;
    QWidget *m_picture;
    QWidget *m_background;
    QWidget *m_titleBar;
    QWidget *m_minimise;
    QWidget *m_close;
    QWidget *m_bottomBand;
    QWidget *m_lowestBand;
    std::array<QWidget *, 2> m_rightBands;
    QList<QWidget *> m_growingDown;
    QWidget *m_fileListPanel;
    QList<QWidget *> m_fullWidth;
    bool m_inStep = false;
};
