#pragma once

#include <QString>
#include <QStringList>

// The player's command line: FILE -L<count>. The program hands the file name as one argument;
// the words other than the loop option are joined back with single spaces for a name typed
// unquoted. A word that names an existing file is a file, even when it reads like the option.
struct PlayArguments
{
    QString file;
    // How many times to play; 0 for no end.
    int loops = 1;

    static PlayArguments parse(const QStringList &words);
};
