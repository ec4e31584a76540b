#pragma once

#include "platform/ProcessLauncher.h"

#include <QHash>

// Starts programs detached, so they outlive us, with their argument list as given: no shell,
// no cutting of a command text. A bare program name is looked for in the program folder, then
// on the search path.
class DesktopProcessLauncher : public ProcessLauncher
{
public:
    explicit DesktopProcessLauncher(const QString &programFolder);

    LaunchResult start(const LaunchCommand &command) override;
    // True while the process runs: it exists, is not a zombie and started when ours did (so a
    // recycled process number does not count).
    bool isRunning(qint64 id) const override;

    struct Resolved
    {
        LaunchStatus status = LaunchStatus::FileNotFound;
        QString program;
        QStringList arguments;
    };
    // What start() would run, without running it.
    Resolved resolve(const LaunchCommand &command) const;

private:
    QString m_programFolder;
    // Process number -> start time in clock ticks (0 when it could not be read).
    QHash<qint64, quint64> m_startTimes;
};
