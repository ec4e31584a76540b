#pragma once

#include <QObject>

struct AppContext;
struct FenMCIState;
struct FileManagerMode;
class FileList;
class Form;
class MediaWindow;
class ZarnBttn;
class ZarnPanel;

// The preview of the media file manager: the clicked file opens in the window's own media
// window, plays at once when asked, and its length shows on the status line.
class FilePreview : public QObject
{
    Q_OBJECT

public:
    FilePreview(Form &window, FenMCIState &state, const FileManagerMode &mode, MediaWindow &media,
                AppContext &context);

    void fileClicked();
    // Chooses the file and asks the window to close.
    void fileDoubleClicked();
    void setPlayOnOpen(bool play);

signals:
    void closeRequested();

private:
    // The full name of the file list's current entry, kept in General::FichierChoisi.
    void choose();
    void mediaChanged();
    void sizeChanged();
    void fitPreview(double naturalHeight);

    Form &m_window;
    FenMCIState &m_state;
    const FileManagerMode &m_mode;
    MediaWindow &m_media;
    AppContext &m_context;
    FileList *m_files;
    ZarnBttn *m_title;
    ZarnBttn *m_status;
    ZarnBttn *m_copy;
    ZarnBttn *m_delete;
    ZarnPanel *m_frame;
};
