#pragma once

#include "platform/ProcessLauncher.h"

#include <QChar>
#include <QString>

// Command lines of the FLC/FLI companion programs: pure functions of the program folder, the
// path separator and the file name, so both the Windows and the native forms can be checked.
namespace FlicCommands {

inline constexpr int Once = 1;
inline constexpr int Endless = 65535;

// Text "C:\KV\Play.exe C:\ANIM\A.FLC -L65535"; the player gets the file name as one argument.
LaunchCommand player(const QString &programFolder, QChar separator, const QString &file, int count);
LaunchCommand module(const QString &programFolder, QChar separator);

} // namespace FlicCommands
