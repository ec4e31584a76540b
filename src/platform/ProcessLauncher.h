#pragma once

#include <QString>
#include <QStringList>

enum class LaunchStatus { Started, FileNotFound, Failed };

struct LaunchResult
{
    LaunchStatus status = LaunchStatus::Failed;
    qint64 id = 0; // launcher's own handle, valid when Started
};

// One program to start. The arguments reach it one by one exactly as given, whatever blanks,
// quotes or leading dashes a file name holds; `line` is the same command as the program's own
// command-line text reads it, kept for records and messages and never cut again.
struct LaunchCommand
{
    QString program; // a path, or a bare name
    QStringList arguments;
    QString line;

    // A command whose text is the words joined with single blanks.
    static LaunchCommand of(const QString &program, const QStringList &arguments = {});
};

// Starts programs, never through a shell. A bare program name is looked up in the program
// folder first, then on the search path.
class ProcessLauncher
{
public:
    virtual ~ProcessLauncher() = default;
    virtual LaunchResult start(const LaunchCommand &command) = 0;
    virtual bool isRunning(qint64 id) const = 0;
};
