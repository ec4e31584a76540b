#pragma once

#include <QString>
#include <QStringList>

// The toolkit obeys options it finds among a program's arguments (-platform,
// -platformpluginpath, -style...), and a file name handed to a companion may read like one.
// So the application object is given the program's own name alone, and the companion reads
// its arguments from here, each one exactly as it arrived.
class OwnArguments
{
public:
    OwnArguments(int argc, char **argv)
        : m_toolkitArgv{argc > 0 ? argv[0] : const_cast<char *>("kinovue"), nullptr}
    {
        for (int i = 1; i < argc; ++i)
            m_arguments.append(QString::fromLocal8Bit(argv[i]));
    }

    // What to hand the application object; it keeps a reference to both.
    int &toolkitArgc() { return m_toolkitArgc; }
    char **toolkitArgv() { return m_toolkitArgv; }
    // The arguments after the program name.
    const QStringList &arguments() const { return m_arguments; }

private:
    int m_toolkitArgc = 1;
    char *m_toolkitArgv[2];
    QStringList m_arguments;
};
