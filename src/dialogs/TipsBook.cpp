#include "TipsBook.h"

#include "platform/Clock.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <cmath>

namespace {

// Windows-1252 is Latin-1 but for 0x80..0x9F, where it has typographic signs and letters.
QString fromWindows1252(const QByteArray &bytes)
{
    static const char16_t High[32]
        = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
           0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
           0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
    QString text;
    text.reserve(bytes.size());
    for (char byte : bytes) {
        const auto c = static_cast<unsigned char>(byte);
        text.append(c >= 0x80 && c < 0xA0 ? QChar(High[c - 0x80]) : QChar(c));
    }
    return text;
}

} // namespace

bool TipsBook::load(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    // UTF-8 first; a file from the old code page reads as Windows-1252.
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = fromWindows1252(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    m_tips = text.split(QLatin1Char('\n'));
    // The last line break ends the last tip; it does not begin another.
    if (!m_tips.isEmpty() && m_tips.last().isEmpty())
        m_tips.removeLast();
    return true;
}

void TipsBook::pickRandom(RandomSource &random)
{
    m_current = int(std::floor(random.next() * m_tips.size() + 1));
}

void TipsBook::next()
{
    ++m_current;
    if (m_current > m_tips.size())
        m_current = 1;
}

QString TipsBook::currentTip() const
{
    return m_tips.value(m_current - 1);
}

QString TipsBook::missingFileMessage()
{
    return QStringLiteral("Le fichier Conseils.txt n'a pas été trouvé.\r\n\r\nVous n'auriez pas dû "
                          "le supprimer du dossier de Kinovue ST");
}
