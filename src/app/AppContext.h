#pragma once

#include "app/General.h"
#include "platform/Platform.h"

class LoadedWindows;

// What every window is handed: the platform services, the run-long shared values, and the
// collection of loaded windows.
struct AppContext
{
    Platform &platform;
    General &general;
    LoadedWindows &windows;
};
