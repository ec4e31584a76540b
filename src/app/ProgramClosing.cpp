#include "ProgramClosing.h"

#include "app/AppContext.h"
#include "app/LoadedWindows.h"

namespace ProgramClosing {

void closeProgram(AppContext &context)
{
    WindowServices &windows = *context.platform.windows;
    if (const auto module = windows.findTopLevel(QString::fromUtf8(FlicModuleTitle)))
        windows.requestClose(module);
    ProcFermeAppli(context);
}

void ProcFermeAppli(AppContext &context)
{
    context.windows.unloadAll();
}

} // namespace ProgramClosing
