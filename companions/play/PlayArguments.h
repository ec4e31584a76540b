#pragma once

#include <QString>
#include <QStringList>

// The player's command line: FILE -L<count>. The program passes file names without quotes, so
// the words other than the loop option are joined back into one name with single spaces.
struct PlayArguments
{
    QString file;
    // How many times to play; 0 for no end.
    int loops = 1;

    static PlayArguments parse(const QStringList &words);
};
