// kinovue-peer oui|non [FILE...]: the program's own start (platform, hand-over, engines),
// with the single-instance question answered "oui" or "non" by the message box fake and the
// tips off. It tells the hand-over test on its standard output when it asks the question
// ("question"), when its main window is up ("prêt") and each file its media window opens
// ("ouvert FILE").

#include "app/AppContext.h"
#include "app/LoadedWindows.h"
#include "mainwindow/FenPrin.h"
#include "platform/fake/FakePlatform.h"
#include "startup/CommandLine.h"
#include "startup/Initial.h"
#include "startup/Startup.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

namespace {

void say(const QString &line)
{
    std::fputs((line + QLatin1Char('\n')).toUtf8().constData(), stdout);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Initial::prepare(app);
    QStringList arguments = QApplication::arguments().mid(1);
    const bool yes = !arguments.isEmpty() && arguments.takeFirst() == QStringLiteral("oui");

    std::unique_ptr<Platform> platform = makeDesktopPlatform(QApplication::applicationDirPath());
    auto messages = std::make_unique<FakeMessageBox>();
    messages->answers.enqueue(yes ? MessageAnswer::Yes : MessageAnswer::No);
    messages->onAsk = [](const MessageRequest &) {
        say(QStringLiteral("question"));
    };
    platform->messages = std::move(messages);
    auto settings = std::make_unique<FakeSettingsStore>();
    settings->values.insert(FakeSettingsStore::path(QStringLiteral("Kinovue ST"),
                                                    QStringLiteral("Conseils du jour"),
                                                    QStringLiteral("Conseil au démarrage")),
                            QStringLiteral("Non"));
    platform->settings = std::move(settings);

    General general;
    LoadedWindows windows;
    AppContext context{*platform, general, windows};
    windows.onEmpty = [] {
        QCoreApplication::quit();
    };
    Startup startup(context, CommandLine::parse(arguments, QDir::currentPath()).files);
    QObject::connect(&startup, &Startup::mainWindowLoaded, [](FenPrin &window) {
        say(QStringLiteral("prêt"));
        QObject::connect(&window.mciWnd1(), &MediaWindow::mediaChanged, &window, [&window] {
            say(QStringLiteral("ouvert ") + window.mciWnd1().fileName());
        });
    });
    if (!startup.begin())
        return startup.exitStatus();
    return app.exec();
}
