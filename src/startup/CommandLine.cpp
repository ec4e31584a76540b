#include "CommandLine.h"

#include <QDir>

#include <cstdio>

#ifndef KV_VERSION
#error "KV_VERSION is set by the build from the project's version"
#endif

namespace {

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

// Options the application object takes out of the arguments (Qt's and the X server's).
bool isQtOption(const QString &argument)
{
    static const QStringList names{"platform",
                                   "platformpluginpath",
                                   "platformtheme",
                                   "plugin",
                                   "qwindowgeometry",
                                   "qwindowicon",
                                   "qwindowtitle",
                                   "reverse",
                                   "session",
                                   "display",
                                   "geometry",
                                   "style",
                                   "stylesheet",
                                   "widgetcount",
                                   "name",
                                   "title",
                                   "visual",
                                   "nograb",
                                   "dograb",
                                   "sync"};
    QString name = argument.mid(argument.startsWith(QStringLiteral("--")) ? 2 : 1);
    return names.contains(name.section(QLatin1Char('='), 0, 0));
}

} // namespace

CommandLine CommandLine::parse(const QStringList &arguments, const QString &currentFolder,
                               Options options)
{
    CommandLine line;
    const QDir here(currentFolder);
    bool optionsEnded = false;
    for (const QString &argument : arguments) {
        if (!optionsEnded && argument.size() > 1 && argument.startsWith(QLatin1Char('-'))) {
            if (argument == QStringLiteral("--")) {
                optionsEnded = true;
            } else if (argument == QStringLiteral("-h") || argument == QStringLiteral("--help")) {
                line.action = Action::Help;
                return line;
            } else if (argument == QStringLiteral("-V")
                       || argument == QStringLiteral("--version")) {
                line.action = Action::Version;
                return line;
            } else if ((options == Options::All || !isQtOption(argument))
                       && line.unknownOption.isEmpty()) {
                line.unknownOption = argument;
            }
            continue;
        }
        line.files << GivenFile::of(QDir::cleanPath(here.absoluteFilePath(argument)));
    }
    if (!line.unknownOption.isEmpty())
        line.action = Action::Refused;
    return line;
}

QString CommandLine::usage()
{
    return QStringLiteral(
        "Utilisation : kinovue-st [OPTION]... [--] [FICHIER]...\n"
        "Visionneuse d'animations et de sons.\n"
        "\n"
        "Chaque FICHIER s'ouvre dans la fenêtre principale :\n"
        "  - une animation AVI, MPG ou MOV se lit dans la fenêtre ; plusieurs animations\n"
        "    d'un même dossier passent en slideshow ;\n"
        "  - un dossier : le slideshow de toutes ses animations ;\n"
        "  - une animation FLC ou FLI se lit depuis la liste des fichiers ;\n"
        "  - un son MID, RMI, WAV ou AIF se joue dans le lecteur de sons.\n"
        "Si Kinovue ST est déjà ouvert et que vous choisissez de ne pas lancer une nouvelle\n"
        "instance, les fichiers s'ouvrent dans la fenêtre déjà ouverte.\n"
        "\n"
        "Options :\n"
        "  -h, --help     affiche cette aide et quitte\n"
        "  -V, --version  affiche la version et quitte\n"
        "  --             termine les options : les noms suivants sont des fichiers,\n"
        "                 même s'ils commencent par un tiret\n");
}

QString CommandLine::version()
{
    return QStringLiteral("Kinovue ST " KV_VERSION "\n");
}

int CommandLine::answer() const
{
    switch (action) {
    case Action::Help:
        print(stdout, usage());
        return 0;
    case Action::Version:
        print(stdout, version());
        return 0;
    case Action::Refused:
        print(stderr,
              QStringLiteral("kinovue-st : option inconnue « %1 »\n").arg(unknownOption) + usage());
        return 2;
    case Action::Open:
        break;
    }
    return 0;
}
