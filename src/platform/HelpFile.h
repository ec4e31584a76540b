#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Our help file: UTF-8 text in topics addressed by context number (docs/HELPFILE.md).
struct HelpTopic
{
    int context = 0;
    QString title;
    QString text; // the topic's lines, joined by '\n', surrounding blank lines removed
};

class HelpFile
{
public:
    static HelpFile parse(const QString &text);
    // Reads and parses a file; on failure returns nothing and sets *error to a French message
    // for the viewer to show.
    static std::optional<HelpFile> load(const QString &path, QString *error);
    // The bytes as UTF-8, or as Windows-1252 when they are not UTF-8.
    static QString decode(const QByteArray &bytes);

    QString title() const { return m_title; }
    const QList<HelpTopic> &topics() const { return m_topics; }
    const HelpTopic *topic(int context) const;
    // The topic shown when the whole file is opened: the one named by @contents, else the
    // first.
    const HelpTopic *contents() const;
    // One French line per malformed line, "ligne N : ...", for the curious.
    const QStringList &problems() const { return m_problems; }

    // The topic's text as HTML: paragraphs at blank lines, "[[N|texte]]" as a link to topic N.
    static QString toHtml(const HelpTopic &topic);
    // The context number of a link made by toHtml, or nothing.
    static std::optional<int> contextOfLink(const QString &href);

private:
    QString m_title;
    QList<HelpTopic> m_topics;
    std::optional<int> m_contents;
    QStringList m_problems;
};

// The viewer's command line, program name left out: [-n CONTEXT] FILE. The file may arrive in
// several words when its path has blanks and nobody quoted it; they are joined by one blank.
struct HelpRequest
{
    QString file;
    std::optional<int> context;
    QString error; // French, empty when the command line is understood
};

HelpRequest parseHelpArguments(const QStringList &arguments);
