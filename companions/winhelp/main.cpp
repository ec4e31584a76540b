#include "HelpWindow.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Aide de Kinovue ST"));
    HelpWindow window;
    window.open(parseHelpArguments(QApplication::arguments().mid(1)));
    window.show();
    return app.exec();
}
