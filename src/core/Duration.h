#pragma once

#include <QString>

// A length in whole milliseconds told as minutes, seconds and milliseconds, the way every
// length message of the program writes it.
struct Duration
{
    qint32 minutes = 0;
    qint32 seconds = 0;
    qint32 milliseconds = 0;

    static constexpr Duration split(qint32 lengthMs)
    {
        const qint32 m = lengthMs / 60000;
        const qint32 rest = lengthMs - m * 60000;
        const qint32 s = rest / 1000;
        return {m, s, rest - s * 1000};
    }

    // "1mn.23sec.456ms." with "." as the separator, "1mn 23sec 456ms " with " ".
    QString text(QChar separator) const
    {
        return QString::number(minutes) + QStringLiteral("mn") + separator
               + QString::number(seconds) + QStringLiteral("sec") + separator
               + QString::number(milliseconds) + QStringLiteral("ms") + separator;
    }

    // "et comporte 2087 images".
    static QString framesText(const QString &frames)
    {
        return QStringLiteral("et comporte ") + frames + QStringLiteral(" images");
    }
};
