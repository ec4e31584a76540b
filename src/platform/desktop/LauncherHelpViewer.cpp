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

QString LauncherHelpViewer::fileCommand(const QString &helpFile)
{
    return QStringLiteral("winhelp.exe ") + quoted(helpFile);
}

QString LauncherHelpViewer::topicCommand(const QString &helpFile, int context)
{
    return QStringLiteral("winhelp.exe -n %1 ").arg(context) + quoted(helpFile);
}

void LauncherHelpViewer::showFile(const QString &helpFile)
{
    run(fileCommand(helpFile));
}

void LauncherHelpViewer::showTopic(const QString &helpFile, int context)
{
    run(topicCommand(helpFile, context));
}

void LauncherHelpViewer::run(const QString &commandLine)
{
    // The program goes on without help; there is nothing else to do.
    if (m_launcher.start(commandLine).status != LaunchStatus::Started)
        qCWarning(lcPlatform) << "help viewer did not start:" << commandLine;
}
