#include "AudioDevices.h"

#include <QDir>
#include <QFileInfo>
#include <QString>

#include <unistd.h>

namespace AudioDevices {

namespace {

bool soundServerRunning()
{
    if (!qEnvironmentVariableIsEmpty("PULSE_SERVER"))
        return true;
    QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.isEmpty())
        runtime = QStringLiteral("/run/user/%1").arg(getuid());
    for (const char *socket : {"pulse/native", "pipewire-0"}) {
        if (QFileInfo::exists(QDir(runtime).filePath(QString::fromLatin1(socket))))
            return true;
    }
    return false;
}

bool playbackDevicePresent()
{
    // ALSA names playback devices pcmC<card>D<device>p.
    const QStringList devices
        = QDir(QStringLiteral("/dev/snd")).entryList({QStringLiteral("pcmC*D*p")}, QDir::System);
    return !devices.isEmpty();
}

} // namespace

bool outputAvailable()
{
    return soundServerRunning() || playbackDevicePresent();
}

} // namespace AudioDevices
