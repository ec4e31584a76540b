// Feeds arbitrary text to the media window's command parser, as a command string arrives from
// a caller, then checks that what it accepted reads back the same when written out again.
#include "media/MediaCommand.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace {

QString written(const MediaCommand &command)
{
    switch (command.kind) {
    case MediaCommand::Kind::Pause:
        return QStringLiteral("pause");
    case MediaCommand::Kind::Stop:
        return QStringLiteral("stop");
    case MediaCommand::Kind::Close:
        return QStringLiteral("close");
    case MediaCommand::Kind::Play:
        break;
    }
    QString text = QStringLiteral("play");
    if (command.from)
        text += QStringLiteral(" from ") + QString::number(*command.from);
    if (command.to)
        text += QStringLiteral(" to ") + QString::number(*command.to);
    if (command.fullScreen)
        text += QStringLiteral(" fullscreen");
    if (command.repeat)
        text += QStringLiteral(" repeat");
    return text;
}

bool same(const MediaCommand &a, const MediaCommand &b)
{
    return a.kind == b.kind && a.repeat == b.repeat && a.fullScreen == b.fullScreen
           && a.from == b.from && a.to == b.to;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const QString &text : {QString::fromUtf8(bytes), QString::fromLatin1(bytes)}) {
        const std::optional<MediaCommand> command = MediaCommand::parse(text);
        if (!command)
            continue;
        if ((command->from && *command->from < 0) || (command->to && *command->to < 0)
            || (command->to && !command->from) || (command->repeat && command->to))
            __builtin_trap(); // outside the grammar
        const std::optional<MediaCommand> again = MediaCommand::parse(written(*command));
        if (!again || !same(*command, *again))
            __builtin_trap();
    }
    return 0;
}
