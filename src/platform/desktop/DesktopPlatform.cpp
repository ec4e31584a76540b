#include "platform/Platform.h"

#include "DesktopFileOperations.h"
#include "DesktopProcessLauncher.h"
#include "DesktopUrlOpener.h"
#include "LauncherHelpViewer.h"
#include "LocalSocketHandover.h"
#include "LockFileInstanceGuard.h"
#include "MpvSoundPlayer.h"
#include "QSettingsStore.h"
#include "QtCommonDialog.h"
#include "QtMessageBox.h"
#include "SystemClock.h"
#include "XcbWindowServices.h"

std::unique_ptr<Platform> makeDesktopPlatform(const QString &programFolder)
{
    auto platform = std::make_unique<Platform>();
    platform->programFolder = programFolder;
    platform->messages = std::make_unique<QtMessageBox>();
    platform->settings = std::make_unique<QSettingsStore>(QString(), platform->messages.get());
    platform->dialogs = std::make_unique<QtCommonDialogFactory>();
    platform->launcher = std::make_unique<DesktopProcessLauncher>(programFolder);
    platform->windows = std::make_unique<XcbWindowServices>();
    platform->help = std::make_unique<LauncherHelpViewer>(*platform->launcher);
    platform->sound = std::make_unique<MpvSoundPlayer>();
    platform->instances = std::make_unique<LockFileInstanceGuard>();
    platform->handover = std::make_unique<LocalSocketHandover>();
    platform->clock = std::make_unique<SystemClock>();
    platform->random = std::make_unique<SystemRandom>();
    platform->urls = std::make_unique<DesktopUrlOpener>();
    platform->files = std::make_unique<DesktopFileOperations>();
    return platform;
}
