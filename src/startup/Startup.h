#pragma once

#include "core/FileKind.h"

#include <QObject>
#include <QPointer>

struct AppContext;
class FenPrin;

// From the splash to the running main window, with the files the desktop gave: the
// single-instance question, the hand-over of the files to a copy already running, and the
// opening of the files once the main window has loaded.
class Startup : public QObject
{
    Q_OBJECT

public:
    Startup(AppContext &context, QList<GivenFile> files);

    // Loads the splash. False when the program ends at once (the user chose not to run a
    // second copy); exitStatus() then tells whether the files reached the running copy.
    bool begin();
    int exitStatus() const { return m_exitStatus; }

signals:
    void mainWindowLoaded(FenPrin &window);

private:
    void handOverToRunningCopy();
    void loadMainWindow();
    void received(const QStringList &paths);

    AppContext &m_context;
    QList<GivenFile> m_files;
    QList<QStringList> m_laterStarts; // arrived while the main window was not yet there
    QPointer<FenPrin> m_main;
    int m_exitStatus = 0;
};
