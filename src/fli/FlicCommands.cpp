#include "FlicCommands.h"

#include "platform/Platform.h"

namespace FlicCommands {

LaunchCommand player(const QString &programFolder, QChar separator, const QString &file, int count)
{
    const QString program
        = Platform::joinPath(programFolder, QStringLiteral("Play.exe"), separator);
    const QString loop = QStringLiteral("-L") + QString::number(count);
    return {program, {file, loop}, program + QLatin1Char(' ') + file + QLatin1Char(' ') + loop};
}

LaunchCommand module(const QString &programFolder, QChar separator)
{
    return LaunchCommand::of(
        Platform::joinPath(programFolder, QStringLiteral("velmora.dll"), separator));
}

} // namespace FlicCommands
