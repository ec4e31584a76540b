#include "ProcessLauncher.h"

LaunchCommand LaunchCommand::of(const QString &program, const QStringList &arguments)
{
    return {program, arguments, (QStringList{program} + arguments).join(QLatin1Char(' '))};
}
