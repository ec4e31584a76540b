#pragma once

#include "platform/HelpViewer.h"
#include "platform/ProcessLauncher.h"

#include <QStringList>

// Starts our help viewer, winhelp.exe, through the launcher: "winhelp.exe FILE" for the whole
// file, "winhelp.exe -n CONTEXT FILE" for one topic, the file as one argument whatever it
// holds.
class LauncherHelpViewer : public HelpViewer
{
public:
    explicit LauncherHelpViewer(ProcessLauncher &launcher);

    void showFile(const QString &helpFile) override;
    void showTopic(const QString &helpFile, int context) override;

    static LaunchCommand fileCommand(const QString &helpFile);
    static LaunchCommand topicCommand(const QString &helpFile, int context);

private:
    void run(const LaunchCommand &command);
    ProcessLauncher &m_launcher;
};
