#include "HelpFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

namespace {

constexpr qint64 MaxFileBytes = 16 * 1024 * 1024;

std::optional<int> contextNumber(const QString &word)
{
    bool ok = false;
    const int n = word.toInt(&ok, 10);
    if (!ok || n < 0 || word.startsWith(QLatin1Char('+')))
        return std::nullopt;
    return n;
}

QString problem(int line, const QString &what)
{
    return QStringLiteral("ligne %1 : %2").arg(line).arg(what);
}

void finish(HelpTopic &topic, QStringList &lines)
{
    while (!lines.isEmpty() && lines.first().trimmed().isEmpty())
        lines.removeFirst();
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    topic.text = lines.join(QLatin1Char('\n'));
    lines.clear();
}

} // namespace

QString HelpFile::decode(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) {
        QStringDecoder cp1252("windows-1252");
        text = cp1252.isValid() ? cp1252.decode(bytes) : QString::fromLatin1(bytes);
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

HelpFile HelpFile::parse(const QString &text)
{
    HelpFile file;
    QStringList lines = text.split(QLatin1Char('\n'));
    HelpTopic current;
    bool inTopic = false;
    QStringList body;
    bool warnedOutside = false;

    auto close = [&] {
        if (inTopic) {
            finish(current, body);
            file.m_topics.append(current);
        }
        inTopic = false;
        body.clear();
    };

    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const int number = i + 1;

        if (line.startsWith(QLatin1String("##")) || line.startsWith(QLatin1String("@@"))) {
            line.remove(0, 1); // an escaped first character is text
        } else if (line.startsWith(QLatin1Char('#'))) {
            continue;
        } else if (line.startsWith(QLatin1Char('@'))) {
            const qsizetype blank = line.indexOf(QLatin1Char(' '));
            const QString directive = line.left(blank < 0 ? line.size() : blank);
            const QString rest = blank < 0 ? QString() : line.mid(blank + 1).trimmed();
            if (directive == QLatin1String("@title")) {
                file.m_title = rest;
            } else if (directive == QLatin1String("@contents")) {
                if (const auto n = contextNumber(rest))
                    file.m_contents = n;
                else
                    file.m_problems.append(problem(number, QStringLiteral("numéro de sommaire "
                                                                          "invalide")));
            } else if (directive == QLatin1String("@topic")) {
                close();
                const qsizetype split = rest.indexOf(QLatin1Char(' '));
                const QString word = rest.left(split < 0 ? rest.size() : split);
                const auto n = contextNumber(word);
                if (!n) {
                    file.m_problems.append(
                        problem(number, QStringLiteral("rubrique sans numéro valide, ignorée")));
                } else if (file.topic(*n)) {
                    file.m_problems.append(
                        problem(number, QStringLiteral("rubrique %1 en double, ignorée").arg(*n)));
                } else {
                    inTopic = true;
                    current = HelpTopic();
                    current.context = *n;
                    current.title = split < 0 ? QString() : rest.mid(split + 1).trimmed();
                    if (current.title.isEmpty())
                        current.title = QStringLiteral("Rubrique %1").arg(*n);
                }
            } else {
                file.m_problems.append(
                    problem(number, QStringLiteral("directive inconnue %1").arg(directive)));
            }
            continue;
        }

        if (inTopic) {
            body.append(line);
        } else if (!line.trimmed().isEmpty() && !warnedOutside) {
            // Text before any topic, or under a rejected one, has no number to be found by.
            file.m_problems.append(problem(number, QStringLiteral("texte hors rubrique, ignoré")));
            warnedOutside = true;
        }
        if (inTopic)
            warnedOutside = false;
    }
    close();
    return file;
}

std::optional<HelpFile> HelpFile::load(const QString &path, QString *error)
{
    const QFileInfo info(path);
    auto fail = [&](const QString &message) {
        if (error)
            *error = message;
        return std::nullopt;
    };
    if (path.isEmpty())
        return fail(QStringLiteral("Aucun fichier d'aide n'a été indiqué."));
    if (!info.exists())
        return fail(QStringLiteral("Le fichier d'aide « %1 » est introuvable.").arg(path));
    if (!info.isFile())
        return fail(QStringLiteral("« %1 » n'est pas un fichier d'aide.").arg(path));
    if (info.size() > MaxFileBytes)
        return fail(QStringLiteral("Le fichier d'aide « %1 » est trop volumineux.").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("Le fichier d'aide « %1 » ne peut pas être lu.").arg(path));
    HelpFile help = parse(decode(file.read(MaxFileBytes)));
    if (help.topics().isEmpty())
        return fail(
            QStringLiteral("Le fichier d'aide « %1 » ne contient aucune rubrique.").arg(path));
    return help;
}

const HelpTopic *HelpFile::topic(int context) const
{
    for (const HelpTopic &t : m_topics) {
        if (t.context == context)
            return &t;
    }
    return nullptr;
}

const HelpTopic *HelpFile::contents() const
{
    if (m_contents) {
        if (const HelpTopic *t = topic(*m_contents))
            return t;
    }
    return m_topics.isEmpty() ? nullptr : &m_topics.first();
}

QString HelpFile::toHtml(const HelpTopic &topic)
{
    static const QRegularExpression link(QStringLiteral("\\[\\[(\\d+)\\|([^\\]]*)\\]\\]"));
    QString html = QStringLiteral("<h2>%1</h2>\n").arg(topic.title.toHtmlEscaped());
    const QStringList paragraphs
        = topic.text.split(QRegularExpression(QStringLiteral("\\n\\s*\\n")));
    for (const QString &paragraph : paragraphs) {
        if (paragraph.trimmed().isEmpty())
            continue;
        QString out;
        qsizetype at = 0;
        auto it = link.globalMatch(paragraph);
        while (it.hasNext()) {
            const auto m = it.next();
            out += paragraph.mid(at, m.capturedStart() - at).toHtmlEscaped();
            out += QStringLiteral("<a href=\"topic:%1\">%2</a>")
                       .arg(m.captured(1), m.captured(2).toHtmlEscaped());
            at = m.capturedEnd();
        }
        out += paragraph.mid(at).toHtmlEscaped();
        out.replace(QLatin1Char('\n'), QLatin1String("<br>\n"));
        html += QStringLiteral("<p>%1</p>\n").arg(out);
    }
    return html;
}

std::optional<int> HelpFile::contextOfLink(const QString &href)
{
    if (!href.startsWith(QLatin1String("topic:")))
        return std::nullopt;
    return contextNumber(href.mid(6));
}

HelpRequest parseHelpArguments(const QStringList &arguments)
{
    HelpRequest request;
    QStringList fileWords;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &word = arguments.at(i);
        if (fileWords.isEmpty() && word == QLatin1String("-n")) {
            const auto n
                = i + 1 < arguments.size() ? contextNumber(arguments.at(i + 1)) : std::nullopt;
            if (!n) {
                request.error = QStringLiteral("Numéro de rubrique manquant ou invalide.");
                return request;
            }
            request.context = n;
            ++i;
        } else {
            fileWords.append(word);
        }
    }
    request.file = fileWords.join(QLatin1Char(' '));
    if (request.file.isEmpty())
        request.error = QStringLiteral("Aucun fichier d'aide n'a été indiqué.");
    return request;
}
