#pragma once

#include <QObject>

#include <functional>

class FileList;
class FileSelection;
class Form;
class MediaWindow;
class QTimer;
class SettingsPanel;
class Transport;
class ZarnBttn;
class ZarnPanel;
struct FenPrinState;

// The endless slideshow of a folder or of selected files: the file panel's OK and Annuler,
// the one-second step to the next file after each stop, the stop button, and the warning
// panel that arms full screen.
class Slideshow : public QObject
{
    Q_OBJECT

public:
    Slideshow(Form &window, FenPrinState &state, MediaWindow &media, QTimer &timer,
              FileSelection &files, Transport &transport, SettingsPanel &settings);

    // The file panel opened for a slideshow of the whole folder or of selected files.
    void openPanel(bool wholeFolder);
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

    FenPrinState &m_state;
    MediaWindow &m_media;
    QTimer &m_timer;
    FileSelection &m_selection;
    Transport &m_transport;
    SettingsPanel &m_settings;
    FileList &m_files;
    ZarnBttn *m_stopButton;
    ZarnPanel *m_warning;
};
