#pragma once

#include "platform/HelpViewer.h"

#include <QStringList>

class ProcessLauncher;

// Starts our help viewer, winhelp.exe, through the launcher: "winhelp.exe FILE" for the whole
// file, "winhelp.exe -n CONTEXT FILE" for one topic. The file is quoted so that a folder with
// blanks stays one word.
class LauncherHelpViewer : public HelpViewer
{
public:
    explicit LauncherHelpViewer(ProcessLauncher &launcher);

    void showFile(const QString &helpFile) override;
    void showTopic(const QString &helpFile, int context) override;

    static QString fileCommand(const QString &helpFile);
    static QString topicCommand(const QString &helpFile, int context);

private:
    void run(const QString &commandLine);
    ProcessLauncher &m_launcher;
};
