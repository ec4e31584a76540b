#include "WindowsFilter.h"

#include <QRegularExpression>

namespace {

QString qtPattern(QString pattern)
{
    pattern = pattern.trimmed();
    return pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern;
}

// "Tous les fichiers (*.*)" with patterns "*.*": the parenthesis already names them.
bool endsWithOwnPatterns(const QString &description, const QStringList &rawPatterns)
{
    const QString trimmed = description.trimmed();
    if (!trimmed.endsWith(QLatin1Char(')')))
        return false;
    const qsizetype open = trimmed.lastIndexOf(QLatin1Char('('));
    if (open < 0)
        return false;
    const QString inside = trimmed.mid(open + 1, trimmed.size() - open - 2);
    QStringList listed
        = inside.split(QRegularExpression(QStringLiteral("[;,\\s]+")), Qt::SkipEmptyParts);
    QStringList wanted;
    for (const QString &p : rawPatterns)
        wanted.append(p.trimmed());
    return listed == wanted;
}

} // namespace

QStringList qtFiltersFromWindows(const QString &windowsFilter)
{
    QStringList filters;
    if (windowsFilter.isEmpty())
        return filters;
    const QStringList parts = windowsFilter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts.at(i).trimmed();
        const QStringList raw = parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        QStringList patterns;
        for (const QString &p : raw) {
            const QString q = qtPattern(p);
            if (!q.isEmpty() && !patterns.contains(q))
                patterns.append(q);
        }
        if (patterns.isEmpty())
            patterns.append(QStringLiteral("*"));
        const QString joined = patterns.join(QLatin1Char(' '));
        if (endsWithOwnPatterns(description, raw))
            description = description.left(description.lastIndexOf(QLatin1Char('('))).trimmed();
        if (description.isEmpty())
            filters.append(joined + QLatin1String(" (") + joined + QLatin1Char(')'));
        else
            filters.append(description + QLatin1String(" (") + joined + QLatin1Char(')'));
    }
    return filters;
}
