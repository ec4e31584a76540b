#pragma once

#include "core/FileKind.h"

#include <QList>
#include <QStringList>

// The program's arguments: options, then the files to open. "--" ends the options, so that
// a name starting with a dash is a file.
struct CommandLine
{
    enum class Action { Open, Help, Version, Refused };
    // Qt's own options (-platform, -display...) are still in the arguments before the
    // application object takes them out: they are passed over, any other option is refused.
    enum class Options { All, QtStillPresent };

    Action action = Action::Open;
    QList<GivenFile> files; // absolute names, in the order given
    QString unknownOption;

    // The arguments without the program's name; relative names are taken from currentFolder.
    static CommandLine parse(const QStringList &arguments, const QString &currentFolder,
                             Options options = Options::All);

    static QString usage();
    static QString version();
    // Prints the help, the version, or the refusal with the usage; the exit status.
    int answer() const;
};
