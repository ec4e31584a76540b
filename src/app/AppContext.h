#pragma once

#include "app/General.h"
#include "media/MediaWindow.h"
#include "platform/Platform.h"

class LoadedWindows;

// What every window is handed: the platform services, the run-long shared values, the
// collection of loaded windows and the media engines.
struct AppContext
{
    Platform &platform;
    General &general;
    LoadedWindows &windows;
    // Makes the engines of every media window; tests give one of fake engines.
    MediaWindow::EngineFactory engines = MediaWindow::defaultEngineFactory();
};
