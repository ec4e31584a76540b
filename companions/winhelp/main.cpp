#include "HelpWindow.h"
#include "OwnArguments.h"

#include <QApplication>

int main(int argc, char **argv)
{
    OwnArguments own(argc, argv);
    QApplication app(own.toolkitArgc(), own.toolkitArgv());
    QApplication::setApplicationName(QStringLiteral("Aide de Kinovue ST"));
    HelpWindow window;
    window.open(parseHelpArguments(own.arguments()));
    window.show();
    return app.exec();
}
