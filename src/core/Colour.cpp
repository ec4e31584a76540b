#include "Colour.h"

namespace Colour {

namespace {

constexpr quint32 Largest = 0xFFFFFF;

bool allOf(QStringView digits, int base)
{
    for (QChar c : digits) {
        const char16_t u = c.unicode();
        const bool decimal = u >= u'0' && u <= u'9';
        const bool hex = (u >= u'A' && u <= u'F') || (u >= u'a' && u <= u'f');
        if (!decimal && !(base == 16 && hex))
            return false;
    }
    return true;
}

} // namespace

std::optional<quint32> parse(const QString &text)
{
    // Only plain digits count: the toolkit's number reading would also take a sign, blanks
    // and a "0x", which no stored colour holds.
    QStringView trimmed = QStringView(text).trimmed();
    int base = 10;
    if (trimmed.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) {
        base = 16;
        trimmed = trimmed.mid(2);
        if (trimmed.endsWith(QLatin1Char('&'))) // the long-integer mark of a hex literal
            trimmed.chop(1);
    }
    if (trimmed.isEmpty() || trimmed.size() > 10 || !allOf(trimmed, base))
        return std::nullopt;
    bool ok = false;
    const qulonglong value = trimmed.toULongLong(&ok, base);
    if (!ok || value > Largest)
        return std::nullopt;
    return quint32(value);
}

} // namespace Colour
