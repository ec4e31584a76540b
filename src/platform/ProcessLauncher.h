#pragma once

#include <QString>
#include <QStringList>

enum class LaunchStatus { Started, FileNotFound, Failed };

struct LaunchResult
{
    LaunchStatus status = LaunchStatus::Failed;
    qint64 id = 0; // launcher's own handle, valid when Started
};

// Starts programs from a command line, never through a shell. A bare program name is looked
// up in the program folder first, then on the search path.
class ProcessLauncher
{
public:
    virtual ~ProcessLauncher() = default;
    virtual LaunchResult start(const QString &commandLine) = 0;
    virtual bool isRunning(qint64 id) const = 0;
    // Splits a command line the way start() does: on blanks, double quotes grouping.
    static QStringList split(const QString &commandLine);
};
