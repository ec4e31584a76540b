#include "OwnArguments.h"
#include "PlayArguments.h"
#include "PlayWindow.h"

#include <QApplication>
#include <QScreen>

#include <cstdio>

// Play.exe FILE -L<count>: plays FILE full screen count times, then exits with status 0.
int main(int argc, char **argv)
{
    OwnArguments own(argc, argv);
    QApplication app(own.toolkitArgc(), own.toolkitArgv());
    QApplication::setApplicationName(QStringLiteral("Play"));
    const PlayArguments arguments = PlayArguments::parse(own.arguments());
    if (arguments.file.isEmpty()) {
        std::fputs("Utilisation : Play.exe FICHIER -L<nombre>\n", stderr);
        return 2;
    }
    PlayWindow window;
    if (!window.open(arguments.file)) {
        const QString message
            = QStringLiteral("Play : impossible de lire l'animation «\u00A0%1\u00A0».\n")
                  .arg(arguments.file);
        std::fputs(message.toLocal8Bit().constData(), stderr);
        return 1;
    }
    QObject::connect(&window, &PlayWindow::finished, &app, [] { QApplication::exit(0); });
    // Without a window manager the full-screen request alone leaves the window small.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window.setGeometry(screen->geometry());
    window.showFullScreen();
    window.raise();
    window.activateWindow();
    window.start(arguments.loops);
    return QApplication::exec();
}
