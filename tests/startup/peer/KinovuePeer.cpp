// kinovue-peer oui|non [FILE...]: the program's start (platform, hand-over, engines) with the
// single-instance question answered by the message box fake and no tips. It says on its
// output "question" when asked, "prêt" when its main window is up, "ouvert FILE" for each
// file its media window opens.

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

static void say(const QString &line)
{
    std::fputs((line + QLatin1Char('\n')).toUtf8().constData(), stdout);
    std::fflush(stdout);
}

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
    settings->values.insert(QStringLiteral("Kinovue ST/Conseils du jour/Conseil au démarrage"),
                            QStringLiteral("Non"));
    platform->settings = std::move(settings);

    General general;
    LoadedWindows windows;
    AppContext context{*platform, general, windows};
    Startup startup(context, CommandLine::parse(arguments, QDir::currentPath()).files);
    QObject::connect(&startup, &Startup::mainWindowLoaded, [](FenPrin &window) {
        say(QStringLiteral("prêt"));
        QObject::connect(&window.mciWnd1(), &MediaWindow::mediaChanged, &window, [&window] {
            say(QStringLiteral("ouvert ") + window.mciWnd1().fileName());
        });
    });
    return startup.begin() ? app.exec() : startup.exitStatus();
}
