#include "OwnArguments.h"
#include "SkinColours.h"
#include "VelmoraWindow.h"

#include "platform/Platform.h"
#include "platform/Translations.h"

#include <QApplication>

// The FLC/FLI module. Started with no argument; a file given on the command line is opened
// and played at once.
int main(int argc, char **argv)
{
    OwnArguments own(argc, argv);
    QApplication app(own.toolkitArgc(), own.toolkitArgv());
    // Only the application name: a display name would be appended to the window title,
    // which the main program looks up exactly.
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    installFrenchTranslations(app);
    const auto platform = makeDesktopPlatform(QApplication::applicationDirPath());
    VelmoraWindow window(SkinColours::read(*platform->settings));
    window.show();
    if (!own.arguments().isEmpty())
        window.openFile(own.arguments().first());
    return QApplication::exec();
}
