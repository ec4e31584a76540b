#include "MediaWindow.h"

#include "MpvEngine.h"
#include "flic/FlicEngine.h"
#include "midi/MidiEngine.h"

#include <QFile>
#include <QFileInfo>

namespace {

// FLIC files carry 0xAF11 (FLI) or 0xAF12 (FLC), little-endian, after the file size.
bool looksLikeFlic(const QByteArray &head)
{
    if (head.size() < 6 || head.startsWith("RIFF"))
        return false;
    const auto lo = quint8(head.at(4));
    const auto hi = quint8(head.at(5));
    return hi == 0xAF && (lo == 0x11 || lo == 0x12);
}

bool looksLikeMidi(const QByteArray &head)
{
    return head.startsWith("MThd") || (head.startsWith("RIFF") && head.mid(8, 4) == "RMID");
}

} // namespace

MediaKind MediaWindow::kindOf(const QString &path)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray head = file.read(16);
        if (looksLikeMidi(head))
            return MediaKind::Midi;
        if (looksLikeFlic(head))
            return MediaKind::Flic;
    }
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("flc") || suffix == QLatin1String("fli"))
        return MediaKind::Flic;
    if (suffix == QLatin1String("mid") || suffix == QLatin1String("midi")
        || suffix == QLatin1String("rmi"))
        return MediaKind::Midi;
    return MediaKind::Mpv;
}

MediaWindow::EngineFactory MediaWindow::defaultEngineFactory()
{
    return [](MediaKind kind) -> std::unique_ptr<MediaEngine> {
        switch (kind) {
        case MediaKind::Flic:
            return std::make_unique<FlicEngine>();
        case MediaKind::Midi:
            return std::make_unique<MidiEngine>();
        case MediaKind::Mpv:
            return std::make_unique<MpvEngine>();
        }
        return nullptr;
    };
}
