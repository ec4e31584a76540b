#include "Initial.h"

#include "app/AppContext.h"
#include "app/LoadedWindows.h"
#include "platform/Translations.h"
#include "startup/CommandLine.h"
#include "startup/Startup.h"

#include <QApplication>
#include <QDir>
#include <QFont>

#include <clocale>

namespace Initial {

void substituteFonts()
{
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                              QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

void prepare(QApplication &app)
{
    // libmpv reads numbers with the C locale.
    std::setlocale(LC_NUMERIC, "C");
    // Only the application name: a display name would be appended to every window title.
    QApplication::setApplicationName(QStringLiteral("Kinovue ST"));
    QApplication::setQuitOnLastWindowClosed(false);
    substituteFonts();
    installFrenchTranslations(app);
    QFont base(QStringLiteral("Arial"));
    base.setPointSizeF(8.25);
    QApplication::setFont(base);
}

int run(int argc, char **argv)
{
    const QString here = QDir::currentPath();
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Help and version need no display, so they are answered before the application exists.
    const CommandLine early
        = CommandLine::parse(arguments, here, CommandLine::Options::QtStillPresent);
    if (early.action != CommandLine::Action::Open)
        return early.answer();

    QApplication app(argc, argv);
    prepare(app);
    const CommandLine line = CommandLine::parse(QApplication::arguments().mid(1), here);
    if (line.action != CommandLine::Action::Open)
        return line.answer();

    std::unique_ptr<Platform> platform = makeDesktopPlatform(QApplication::applicationDirPath());
    General general;
    LoadedWindows windows;
    AppContext context{*platform, general, windows};
    windows.onEmpty = [] {
        QCoreApplication::quit();
    };
    Startup startup(context, line.files);
    if (!startup.begin())
        return startup.exitStatus();
    return app.exec();
}

} // namespace Initial
