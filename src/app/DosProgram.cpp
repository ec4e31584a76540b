#include "DosProgram.h"

#include "app/AppContext.h"
#include "core/Logging.h"

#include <QApplication>
#include <QThread>
#include <QWidget>

#include <cmath>

namespace DosProgram {

namespace {

constexpr double TakeOverSeconds = 60;
constexpr double SecondsPerDay = 24 * 60 * 60;

void breathe()
{
    QApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(10);
}

} // namespace

Outcome ProcLanceDOS(AppContext &context, QWidget &mainWindow, const LaunchCommand &ligne)
{
    ProcessLauncher &launcher = *context.platform.launcher;
    const Clock &clock = *context.platform.clock;
    const LaunchResult started = launcher.start(ligne);
    if (started.status != LaunchStatus::Started) {
        qCDebug(lcApp) << "outside program not started:" << ligne.line;
        return Outcome::NotStarted;
    }
    const double t0 = std::round(clock.secondsSinceMidnight());
    bool timedOut = false;
    // The program has taken over once our window is no longer the active one, or once it has
    // already come and gone.
    while (true) {
        breathe();
        double elapsed = clock.secondsSinceMidnight() - t0;
        // The clock starts again at midnight; without this a wait begun just before it
        // would never time out. A start rounded up reads slightly negative at first.
        if (elapsed < -TakeOverSeconds)
            elapsed += SecondsPerDay;
        if (elapsed > TakeOverSeconds)
            timedOut = true;
        const bool tookOver
            = !launcher.isRunning(started.id) || QApplication::activeWindow() != &mainWindow;
        if (tookOver || timedOut)
            break;
    }
    if (timedOut) {
        MessageRequest request;
        request.icon = MessageIcon::Critical;
        request.buttons = MessageButtons::Ok;
        request.title = context.general.TitreAppli;
        request.text = QStringLiteral("Programme DOS non lancé");
        context.platform.messages->ask(request);
        return Outcome::NeverTookOver;
    }
    while (launcher.isRunning(started.id))
        breathe();
    return Outcome::Finished;
}

} // namespace DosProgram
