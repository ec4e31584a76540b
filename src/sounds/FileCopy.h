#pragma once

#include <QObject>

struct AppContext;
struct FileManagerMode;
class CommonDialog;

// Copies the chosen file under a name the user gives in a save dialog, replacing a file of
// that name. A finished copy plays the built-in sound 20; a failed one says why.
class FileCopy : public QObject
{
    Q_OBJECT

public:
    FileCopy(QObject *parent, const FileManagerMode &mode, CommonDialog &dialog,
             AppContext &context);

    void copyChosenFile();

private:
    const FileManagerMode &m_mode;
    CommonDialog &m_dialog;
    AppContext &m_context;
};
