#include "PlayArguments.h"

#include <QFileInfo>
#include <QRegularExpression>

PlayArguments PlayArguments::parse(const QStringList &words)
{
    static const QRegularExpression loopOption(QStringLiteral("^[-/]L(\\d*)$"),
                                               QRegularExpression::CaseInsensitiveOption);
    PlayArguments arguments;
    QStringList name;
    for (const QString &word : words) {
        const QRegularExpressionMatch match = loopOption.match(word);
        if (!match.hasMatch() || QFileInfo::exists(word)) {
            name.append(word);
            continue;
        }
        const QString digits = match.captured(1);
        // A count too large for an int is as good as no end.
        bool ok = false;
        const int count = digits.toInt(&ok);
        arguments.loops = digits.isEmpty() ? 1 : (ok ? count : 0);
    }
    arguments.file = name.join(QLatin1Char(' '));
    return arguments;
}
