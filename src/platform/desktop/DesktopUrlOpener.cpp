#include "DesktopUrlOpener.h"

#include "core/Logging.h"

#include <QDesktopServices>
#include <QUrl>

void DesktopUrlOpener::open(const QString &address)
{
    if (!QDesktopServices::openUrl(QUrl(address)))
        qCWarning(lcPlatform) << "no program opened" << address;
}
