#include "Logging.h"

Q_LOGGING_CATEGORY(lcApp, "kinovue.app", QtWarningMsg)
Q_LOGGING_CATEGORY(lcPlatform, "kinovue.platform", QtWarningMsg)
Q_LOGGING_CATEGORY(lcControls, "kinovue.controls", QtWarningMsg)
Q_LOGGING_CATEGORY(lcMedia, "kinovue.media", QtWarningMsg)
Q_LOGGING_CATEGORY(lcPlayer, "kinovue.player", QtWarningMsg)
