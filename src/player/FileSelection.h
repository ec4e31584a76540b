#pragma once

#include <QObject>
#include <QString>

struct AppContext;
class CommonDialog;
class DirList;
class DriveList;
class FileList;
class Form;
class MediaWindow;
class SettingsPanel;
class Transport;
class ZarnBttn;
class ZarnPanel;
struct FenPrinState;

// Bringing an animation into the main window: the open dialog behind `CmdFiMCI`, the AVI
// menu, and the drive, folder and file lists of the file panel with what a click does.
class FileSelection : public QObject
{
    Q_OBJECT

public:
    FileSelection(Form &window, FenPrinState &state, MediaWindow &media, CommonDialog &dialog,
                  Transport &transport, SettingsPanel &settings, AppContext &context);

    void openThroughDialog();
    // The steps that follow the dialog, for a file chosen elsewhere (the desktop).
    void openChosen(const QString &file);
    void toggleMenu();
    void openListPanel();
    void fileClicked();
    // Full name of an entry of the file list: folder, one separator, name.
    QString fullName(int index) const;
    QString fullName(const QString &fileName) const;

    // An animation handed back by another window opens here at zoom 100.
    void openHandedBack(const QString &file);
    // The file panel, showing the files of a pattern, above the other lower panels.
    void openPanel(const QString &pattern, bool raise = true);
    void hidePanel();
    // The lists show this folder; false when it cannot be read.
    bool showFolder(const QString &folder);
    // Index of a name in the file list, -1 when it is not listed.
    int entryOf(const QString &fileName) const;
    // Idle: a file can be chosen and the slideshow menu is offered; not while one runs.
    void setIdle(bool idle);
    void allowSlideshow(bool allowed);
    FileList &files() const { return *m_files; }

    static const QString AnimationPattern;

signals:
    // "Tout le dossier" (whole folder) or "Sélection de fichiers" of the AVI menu.
    void slideshowChosen(bool wholeFolder);
    // A right-button press on the slideshow menu button.
    void warningRequested();

private:
    void openInWindow(const QString &file);
    void driveChanged();
    void driveFailed(const QString &systemMessage);
    void hideMenu();

    FenPrinState &m_state;
    MediaWindow &m_media;
    CommonDialog &m_dialog;
    Transport &m_transport;
    SettingsPanel &m_settings;
    AppContext &m_context;
    ZarnBttn *m_choose;
    ZarnBttn *m_menuButton;
    ZarnPanel *m_menu;
    ZarnPanel *m_panel;
    ZarnPanel *m_lowerPanel;
    DriveList *m_drives;
    DirList *m_folders;
    FileList *m_files;
};
