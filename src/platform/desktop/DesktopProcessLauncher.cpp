#include "DesktopProcessLauncher.h"

#include "core/Logging.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <cerrno>
#include <optional>
#include <signal.h>

namespace {

// Fields of /proc/<pid>/stat after the command name: state, then start time (field 22).
struct ProcState
{
    QChar state;
    quint64 startTime = 0;
};

std::optional<ProcState> procState(qint64 pid)
{
    QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray line = file.readAll();
    const qsizetype close = line.lastIndexOf(')');
    if (close < 0)
        return std::nullopt;
    const QList<QByteArray> fields = line.mid(close + 2).split(' ');
    if (fields.size() < 20 || fields.at(0).isEmpty())
        return std::nullopt;
    return ProcState{QChar::fromLatin1(fields.at(0).at(0)), fields.at(19).toULongLong()};
}

} // namespace

DesktopProcessLauncher::DesktopProcessLauncher(const QString &programFolder)
    : m_programFolder(programFolder)
{}

DesktopProcessLauncher::Resolved DesktopProcessLauncher::resolve(const LaunchCommand &command) const
{
    Resolved resolved;
    const QString &name = command.program;
    if (name.trimmed().isEmpty())
        return resolved;
    if (name.contains(QLatin1Char('/'))) {
        const QFileInfo info(name);
        if (!info.exists())
            return resolved;
        resolved.program = info.absoluteFilePath();
    } else {
        const QFileInfo beside(m_programFolder + QLatin1Char('/') + name);
        if (!m_programFolder.isEmpty() && beside.isFile())
            resolved.program = beside.absoluteFilePath();
        else
            resolved.program = QStandardPaths::findExecutable(name);
        if (resolved.program.isEmpty())
            return resolved;
    }
    resolved.arguments = command.arguments;
    resolved.status = LaunchStatus::Started;
    return resolved;
}

LaunchResult DesktopProcessLauncher::start(const LaunchCommand &command)
{
    const Resolved resolved = resolve(command);
    if (resolved.status != LaunchStatus::Started) {
        qCInfo(lcPlatform) << "program not found:" << command.line;
        return {resolved.status, 0};
    }
    QProcess process;
    process.setProgram(resolved.program);
    process.setArguments(resolved.arguments);
    qint64 pid = 0;
    if (!process.startDetached(&pid) || pid <= 0) {
        qCInfo(lcPlatform) << "program did not start:" << resolved.program << process.errorString();
        return {LaunchStatus::Failed, 0};
    }
    const auto state = procState(pid);
    m_startTimes.insert(pid, state ? state->startTime : 0);
    return {LaunchStatus::Started, pid};
}

bool DesktopProcessLauncher::isRunning(qint64 id) const
{
    const auto known = m_startTimes.constFind(id);
    if (known == m_startTimes.constEnd())
        return false; // not one of ours
    if (::kill(pid_t(id), 0) != 0 && errno != EPERM)
        return false;
    const auto state = procState(id);
    if (!state)
        return true; // no /proc to ask: the signal test is all we have
    // A detached process is no child of ours; until whoever inherits it reaps it, it may
    // linger as a zombie, which has finished all the same.
    if (state->state == QLatin1Char('Z') || state->state == QLatin1Char('X'))
        return false;
    return known.value() == 0 || known.value() == state->startTime;
}
