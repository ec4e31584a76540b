#pragma once

#include <QString>

#include <optional>

// One command string of the media window, parsed. The grammar is small and strict:
//   play [from N [to M]] [fullscreen] [repeat]  |  pause  |  stop  |  close
// Words are case-insensitive and may be separated by any run of blanks. N and M are
// non-negative decimal positions in the window's current time format. "repeat" plays the
// whole media in a loop, so it does not combine with "to".
struct MediaCommand
{
    enum class Kind { Play, Pause, Stop, Close };

    Kind kind = Kind::Play;
    bool repeat = false;
    bool fullScreen = false;
    std::optional<qint64> from; // start position; none: where the media stands
    std::optional<qint64> to;   // end position; none: the end of the media

    // Plays from a later position down to an earlier one ("play from 250 to 0").
    bool isBackward() const { return from && to && *to < *from; }

    // Anything outside the grammar gives no command.
    static std::optional<MediaCommand> parse(const QString &text);
};
