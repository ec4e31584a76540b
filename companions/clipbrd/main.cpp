#include "ClipboardWindow.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ClipboardWindow window;
    window.show();
    return app.exec();
}
