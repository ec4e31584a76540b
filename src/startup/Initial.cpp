#include "Initial.h"

#include "app/AppContext.h"
#include "startup/Demarre2.h"
#include "app/LoadedWindows.h"
#include "mainwindow/FenPrin.h"
#include "platform/Translations.h"

#include <QApplication>
#include <QFont>
#include <QPointer>

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

int run(int argc, char **argv)
{
    QApplication app(argc, argv);
    // libmpv reads numbers with the C locale.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("Kinovue ST"));
    QApplication::setApplicationDisplayName(QStringLiteral("Kinovue ST"));
    QApplication::setQuitOnLastWindowClosed(false);
    substituteFonts();
    installFrenchTranslations(app);
    QFont base(QStringLiteral("Arial"));
    base.setPointSizeF(8.25);
    QApplication::setFont(base);

    std::unique_ptr<Platform> platform = makeDesktopPlatform(QApplication::applicationDirPath());
    General general;
    LoadedWindows windows;
    AppContext context{*platform, general, windows};
    windows.onEmpty = [] {
        QCoreApplication::quit();
    };

    auto *splash = new Demarre2(context);
    if (!splash->load()) {
        delete splash;
        return 0;
    }
    QObject::connect(splash, &Demarre2::handOver, splash, [&context] {
        // The first tick loads the main window; its load step unloads the splash.
        if (context.windows.find(QStringLiteral("FenPrin")))
            return;
        auto *main = new FenPrin(context);
        main->load();
    });
    return app.exec();
}

} // namespace Initial
