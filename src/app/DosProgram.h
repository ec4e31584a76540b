#pragma once

struct LaunchCommand;
class QWidget;
struct AppContext;

// Starts an outside program and waits, keeping the window responsive, until its window has
// come and gone. False when it never took over within a minute (the user is told), or could
// not be started at all.
namespace DosProgram {

enum class Outcome { Finished, NeverTookOver, NotStarted };

Outcome ProcLanceDOS(AppContext &context, QWidget &mainWindow, const LaunchCommand &ligne);

} // namespace DosProgram
