#pragma once

#include <QObject>

#include <functional>

class FileList;
class FileSelection;
class Form;
class MediaWindow;
class QTimer;
struct FenPrinState;

// The endless slideshow of a folder or of selected files: the file panel's OK and Annuler,
// the one-second step to the next file after each stop, the stop button, and the warning
// panel that arms full screen.
class Slideshow : public QObject
{
    Q_OBJECT

public:
    Slideshow(Form &window, FenPrinState &state, MediaWindow &media, QTimer &timer,
              FileSelection &files);

    void showWarning();
    void acceptWarning();
    void declineWarning();
    void ok();
    void cancel();
    void tick();
    void stop();
    void backgroundClicked();

signals:
    // The FLC/FLI branch of the panel's OK button.
    void flicSequenceRequested();

private:
    void playEntry();
    void backToIdle();
    void setZoom100();

    Form &m_window;
    FenPrinState &m_state;
    MediaWindow &m_media;
    QTimer &m_timer;
    FileSelection &m_selection;
    FileList *m_files;
};
