#pragma once

#include <QObject>

struct AppContext;
struct FileManagerMode;
class DirList;
class DriveList;
class FileList;
class Form;
class ListBox;
class ZarnBttn;

// The drive, folder, file kind and file lists of the media file manager. A drive or folder
// that cannot be read asks Retry or Cancel.
class FileBrowsing : public QObject
{
    Q_OBJECT

public:
    FileBrowsing(Form &window, const FileManagerMode &mode, AppContext &context);

    // Fills the kind list for the mode and opens the folder shown last, in either mode.
    void start();

private:
    void driveChosen();
    void driveFailed(const QString &systemMessage);
    void folderFailed(const QString &systemMessage);
    // Opens a folder in the folder list, asking Retry or Cancel while it cannot be read.
    bool openFolder(const QString &folder);
    // Lists the folder list's folder in the file list, asking the same way.
    void folderChanged();
    void kindClicked();
    bool retry(const QString &place, const QString &systemMessage);

    const FileManagerMode &m_mode;
    AppContext &m_context;
    DriveList *m_drives;
    DirList *m_folders;
    ListBox *m_kinds;
    FileList *m_files;
    ZarnBttn *m_copy;
    ZarnBttn *m_delete;
    QString m_fileListError;
};
