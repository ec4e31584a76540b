#include "ProcessLauncher.h"

LaunchCommand LaunchCommand::of(const QString &program, const QStringList &arguments)
{
    return {program, arguments, (QStringList{program} + arguments).join(QLatin1Char(' '))};
}

QStringList ProcessLauncher::split(const QString &commandLine)
{
    QStringList words;
    QString current;
    bool quoted = false;
    bool inWord = false;
    for (QChar c : commandLine) {
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
            inWord = true;
        } else if (c.isSpace() && !quoted) {
            if (inWord)
                words.append(current);
            current.clear();
            inWord = false;
        } else {
            current.append(c);
            inWord = true;
        }
    }
    if (inWord)
        words.append(current);
    return words;
}
