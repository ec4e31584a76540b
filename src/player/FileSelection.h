#pragma once

#include <QObject>

struct AppContext;
class CommonDialog;
class DirList;
class DriveList;
class FileList;
class Form;
class MediaWindow;
struct FenPrinState;

// Bringing an animation into the main window: the open dialog behind `CmdFiMCI`, the AVI
// menu, and the drive, folder and file lists of the file panel with what a click does.
class FileSelection : public QObject
{
    Q_OBJECT

public:
    FileSelection(Form &window, FenPrinState &state, MediaWindow &media, CommonDialog &dialog,
                  AppContext &context);

    void openThroughDialog();
    void toggleMenu();
    // "Tout le dossier" (whole folder) or "Sélection de fichiers".
    void openSlideshowPanel(bool wholeFolder);
    void openListPanel();
    void fileClicked();
    // Full name of an entry of the file list: folder, one separator, name.
    QString fullName(int index) const;
    QString fullName(const QString &fileName) const;

    static const QString AnimationPattern;

private:
    void driveChanged();
    void driveFailed(const QString &systemMessage);
    void hideMenu();

    Form &m_window;
    FenPrinState &m_state;
    MediaWindow &m_media;
    CommonDialog &m_dialog;
    AppContext &m_context;
    DriveList *m_drives;
    DirList *m_folders;
    FileList *m_files;
};
