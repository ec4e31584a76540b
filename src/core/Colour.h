#pragma once

#include <QColor>
#include <QString>

#include <optional>

// Colours travel as 32-bit integers in 0x00BBGGRR order (red in the low byte).
namespace Colour {

constexpr quint32 bgr(int red, int green, int blue)
{
    return quint32(red & 0xFF) | (quint32(green & 0xFF) << 8) | (quint32(blue & 0xFF) << 16);
}

inline QColor toQColor(quint32 value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

inline quint32 fromQColor(const QColor &colour)
{
    return bgr(colour.red(), colour.green(), colour.blue());
}

// Reads the two stored forms: "&H" with hexadecimal digits, or decimal digits. Anything
// else has no meaning and gives nothing.
std::optional<quint32> parse(const QString &text);

// The form the program writes: the decimal digits of the value.
inline QString toText(quint32 value)
{
    return QString::number(value);
}

} // namespace Colour
