#include "MediaCommand.h"

#include <QStringList>

#include <limits>

namespace {

std::optional<qint64> parsePosition(const QString &word)
{
    // Digits only: a sign, a blank or a decimal point is not a position.
    if (word.isEmpty() || word.size() > 10)
        return std::nullopt;
    for (QChar c : word) {
        if (!c.isDigit() || c.unicode() > 0x7f)
            return std::nullopt;
    }
    bool ok = false;
    const qint64 value = word.toLongLong(&ok);
    if (!ok || value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return value;
}

} // namespace

std::optional<MediaCommand> MediaCommand::parse(const QString &text)
{
    const QStringList words
        = text.simplified().toLower().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return std::nullopt;

    MediaCommand command;
    const QString &verb = words.first();
    if (verb != QLatin1String("play")) {
        if (words.size() != 1)
            return std::nullopt;
        if (verb == QLatin1String("pause"))
            command.kind = Kind::Pause;
        else if (verb == QLatin1String("stop"))
            command.kind = Kind::Stop;
        else if (verb == QLatin1String("close"))
            command.kind = Kind::Close;
        else
            return std::nullopt;
        return command;
    }

    command.kind = Kind::Play;
    qsizetype i = 1;
    if (i < words.size() && words.at(i) == QLatin1String("from")) {
        if (i + 1 >= words.size())
            return std::nullopt;
        command.from = parsePosition(words.at(i + 1));
        if (!command.from)
            return std::nullopt;
        i += 2;
        if (i < words.size() && words.at(i) == QLatin1String("to")) {
            if (i + 1 >= words.size())
                return std::nullopt;
            command.to = parsePosition(words.at(i + 1));
            if (!command.to)
                return std::nullopt;
            i += 2;
        }
    }
    for (; i < words.size(); ++i) {
        const QString &option = words.at(i);
        if (option == QLatin1String("fullscreen") && !command.fullScreen)
            command.fullScreen = true;
        else if (option == QLatin1String("repeat") && !command.repeat && !command.to)
            command.repeat = true;
        else
            return std::nullopt;
    }
    return command;
}
