#pragma once

#include <QObject>

struct AppContext;
class FileList;
class Form;
class MediaWindow;
class ZarnBttn;

// Moves the chosen file to the desktop's trash once the user agrees. Where the trash cannot
// take it, the file stays and the user is told: it is never deleted for good.
class FileDeletion : public QObject
{
    Q_OBJECT

public:
    FileDeletion(Form &window, MediaWindow &media, AppContext &context);

    void deleteChosenFile();

private:
    bool confirmed(const QString &path);

    MediaWindow &m_media;
    AppContext &m_context;
    FileList *m_files;
    ZarnBttn *m_copy;
    ZarnBttn *m_delete;
};
