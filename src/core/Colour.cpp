#include "Colour.h"

namespace Colour {

std::optional<quint32> parse(const QString &text)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    qulonglong value = 0;
    if (trimmed.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) {
        const QString digits = trimmed.mid(2).remove(QLatin1Char('&'));
        if (digits.isEmpty() || digits.size() > 8)
            return std::nullopt;
        value = digits.toULongLong(&ok, 16);
    } else {
        if (trimmed.isEmpty() || trimmed.size() > 10)
            return std::nullopt;
        for (QChar c : trimmed) {
            if (!c.isDigit())
                return std::nullopt;
        }
        value = trimmed.toULongLong(&ok, 10);
    }
    if (!ok || value > 0xFFFFFFFFull)
        return std::nullopt;
    return quint32(value) & 0xFFFFFFu;
}

} // namespace Colour
