// Feeds arbitrary text to the reader of stored colours, as a hand-edited settings file may
// hold it: a value read is exactly what its digits say, within 24 bits, and the forms the
// program writes read back alike.
#include "core/Colour.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace {

// What a text that reads as a colour must be, worked out digit by digit: "&H" and hex digits
// (a trailing '&' allowed) or decimal digits, blanks around, worth at most 0xFFFFFF.
bool holds(const QString &text, quint32 value)
{
    QStringView rest = QStringView(text).trimmed();
    int base = 10;
    if (rest.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) {
        base = 16;
        rest = rest.mid(2);
        if (rest.endsWith(QLatin1Char('&')))
            rest.chop(1);
    }
    if (rest.isEmpty())
        return false;
    quint64 number = 0;
    for (QChar c : rest) {
        const int digit = QStringLiteral("0123456789abcdef").indexOf(c.toLower());
        if (digit < 0 || digit >= base || c.unicode() > 0x7f)
            return false;
        number = number * base + quint64(digit);
        if (number > 0xFFFFFFu)
            return false;
    }
    return number == value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const QString &text : {QString::fromUtf8(bytes), QString::fromLatin1(bytes)}) {
        const std::optional<quint32> value = Colour::parse(text);
        if (!value)
            continue;
        if (!holds(text, *value))
            __builtin_trap(); // a text outside the two stored forms, or read wrong
        if (Colour::parse(Colour::toText(*value)) != value
            || Colour::parse(QStringLiteral("&H") + QString::number(*value, 16).toUpper()) != value)
            __builtin_trap();
    }
    return 0;
}
