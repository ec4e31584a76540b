#pragma once

#include "platform/Clock.h"
#include "platform/CommonDialog.h"
#include "platform/FileOperations.h"
#include "platform/HelpViewer.h"
#include "platform/InstanceGuard.h"
#include "platform/InstanceHandover.h"
#include "platform/MessageBox.h"
#include "platform/ProcessLauncher.h"
#include "platform/SettingsStore.h"
#include "platform/SoundPlayer.h"
#include "platform/UrlOpener.h"
#include "platform/WindowServices.h"

#include <QString>

#include <memory>

// Every contact of the program with the world outside it. The application owns one; tests
// and tools own one made of fakes.
struct Platform
{
    QString programFolder;
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<MessageBoxService> messages;
    std::unique_ptr<CommonDialogFactory> dialogs;
    std::unique_ptr<ProcessLauncher> launcher;
    std::unique_ptr<WindowServices> windows;
    std::unique_ptr<HelpViewer> help;
    std::unique_ptr<SoundPlayer> sound;
    std::unique_ptr<InstanceGuard> instances;
    std::unique_ptr<InstanceHandover> handover;
    std::unique_ptr<Clock> clock;
    std::unique_ptr<RandomSource> random;
    std::unique_ptr<UrlOpener> urls;
    std::unique_ptr<FileOperations> files;

    // Joins a folder and a name with one separator, none added after a root.
    static QString joinPath(const QString &folder, const QString &name, QChar separator = '/');
};

// The real implementations, for the running program.
std::unique_ptr<Platform> makeDesktopPlatform(const QString &programFolder);
