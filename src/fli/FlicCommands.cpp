#include "FlicCommands.h"

#include "platform/Platform.h"

namespace FlicCommands {

QString player(const QString &programFolder, QChar separator, const QString &file, int count)
{
    return Platform::joinPath(programFolder, QStringLiteral("Play.exe "), separator) + file
           + QStringLiteral(" -L") + QString::number(count);
}

QString module(const QString &programFolder, QChar separator)
{
    return Platform::joinPath(programFolder, QStringLiteral("velmora.dll"), separator);
}

} // namespace FlicCommands
