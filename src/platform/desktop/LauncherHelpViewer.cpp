#include "LauncherHelpViewer.h"

#include "core/Logging.h"
#include "platform/ProcessLauncher.h"

namespace {

QString quoted(const QString &path)
{
    return QLatin1Char('"') + path + QLatin1Char('"');
}

} // namespace

LauncherHelpViewer::LauncherHelpViewer(ProcessLauncher &launcher)
    : m_launcher(launcher)
{}

LaunchCommand LauncherHelpViewer::fileCommand(const QString &helpFile)
{
    const QString program = QStringLiteral("winhelp.exe");
    return {program, {helpFile}, program + QLatin1Char(' ') + quoted(helpFile)};
}

LaunchCommand LauncherHelpViewer::topicCommand(const QString &helpFile, int context)
{
    const QString program = QStringLiteral("winhelp.exe");
    const QString number = QString::number(context);
    return {program,
            {QStringLiteral("-n"), number, helpFile},
            QStringLiteral("%1 -n %2 %3").arg(program, number, quoted(helpFile))};
}

void LauncherHelpViewer::showFile(const QString &helpFile)
{
    run(fileCommand(helpFile));
}

void LauncherHelpViewer::showTopic(const QString &helpFile, int context)
{
    run(topicCommand(helpFile, context));
}

void LauncherHelpViewer::run(const LaunchCommand &command)
{
    // The program goes on without help; there is nothing else to do.
    if (m_launcher.start(command).status != LaunchStatus::Started)
        qCWarning(lcPlatform) << "help viewer did not start:" << command.line;
}
