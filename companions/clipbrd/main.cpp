#include "ClipboardWindow.h"
#include "OwnArguments.h"

#include <QApplication>

int main(int argc, char **argv)
{
    OwnArguments own(argc, argv);
    QApplication app(own.toolkitArgc(), own.toolkitArgv());
    ClipboardWindow window;
    window.show();
    return app.exec();
}
