#include "QSettingsStore.h"

#include "core/Logging.h"
#include "platform/MessageBox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTemporaryFile>

namespace {

const QString AsideSuffix = QStringLiteral(".illisible");

// QSettings reads '/' and '\' in a key as group separators; escaping them (and the escape
// character itself) keeps every section and key one level, exactly as given.
QString escaped(const QString &name)
{
    QString out;
    out.reserve(name.size());
    for (QChar c : name) {
        if (c == QLatin1Char('%'))
            out += QLatin1String("%25");
        else if (c == QLatin1Char('/'))
            out += QLatin1String("%2F");
        else if (c == QLatin1Char('\\'))
            out += QLatin1String("%5C");
        else
            out += c;
    }
    return out;
}

QString keyPath(const QString &section, const QString &key)
{
    return escaped(section) + QLatin1Char('/') + escaped(key);
}

// A section or key name as QSettings writes it in an INI file, read back: "%XX" is one
// Latin-1 character, "%UXXXX" one UTF-16 unit, '\' a group separator.
QString unescapedIniName(QStringView text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        bool ok = false;
        if (c == QLatin1Char('%') && i + 5 < text.size() && text.at(i + 1) == QLatin1Char('U')) {
            const uint unit = text.mid(i + 2, 4).toUInt(&ok, 16);
            if (ok) {
                out += QChar(char16_t(unit));
                i += 5;
                continue;
            }
        }
        if (c == QLatin1Char('%') && i + 2 < text.size()) {
            const uint byte = text.mid(i + 1, 2).toUInt(&ok, 16);
            if (ok) {
                out += QChar(char16_t(byte));
                i += 2;
                continue;
            }
        }
        out += c == QLatin1Char('\\') ? QLatin1Char('/') : c;
    }
    return out;
}

// Whether the bytes are an INI file as we and QSettings write it, or as a person would edit
// it: UTF-8 text of blank lines, comments, "[section]" and "key=value" lines. QSettings
// itself reads nearly anything, keeping what looks like a value.
bool isIniText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (utf8.hasError())
        return false;
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        for (QChar c : line) {
            if (c.unicode() < 0x20 && c != QLatin1Char('\t') && c != QLatin1Char('\r'))
                return false;
        }
        line = line.trimmed();
        if (line.startsWith(QChar(0xFEFF)))
            line = line.mid(1).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';'))
            || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']')) && line.size() > 2)
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0 || line.left(equals).trimmed().isEmpty())
            return false;
    }
    return true;
}

// The two lines QSettings writes for one value: "[section]" and "key=value".
bool iniLinesOf(const QString &section, const QString &key, const QString &value,
                QByteArray *header, QByteArray *entry)
{
    QTemporaryFile scratch(QDir::tempPath() + QStringLiteral("/kinovue-XXXXXX.ini"));
    if (!scratch.open())
        return false;
    scratch.close();
    {
        QSettings settings(scratch.fileName(), QSettings::IniFormat);
        settings.setValue(keyPath(section, key), value);
        settings.sync();
        if (settings.status() != QSettings::NoError)
            return false;
    }
    QFile written(scratch.fileName());
    if (!written.open(QIODevice::ReadOnly))
        return false;
    const QList<QByteArray> lines = written.readAll().split('\n');
    if (lines.size() < 2)
        return false;
    *header = lines.at(0).trimmed();
    *entry = lines.at(1).trimmed();
    return header->startsWith('[') && entry->contains('=');
}

// The file's text with one value set, every other line as it was.
QByteArray withValue(const QByteArray &text, const QString &section, const QString &key,
                     const QByteArray &header, const QByteArray &entry)
{
    QList<QByteArray> lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    const QString sectionName = escaped(section);
    const QString keyName = escaped(key);
    bool inSection = false;
    qsizetype keyLine = -1;
    qsizetype sectionEnd = -1; // the line after the last filled line of a matching section
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = QString::fromUtf8(lines.at(i)).trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            inSection = unescapedIniName(QStringView(line).mid(1, line.size() - 2)) == sectionName;
            if (inSection)
                sectionEnd = i + 1;
            continue;
        }
        if (!inSection || line.isEmpty())
            continue;
        sectionEnd = i + 1;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (line.startsWith(QLatin1Char(';')) || equals < 0)
            continue;
        if (unescapedIniName(QStringView(line).left(equals).trimmed()) == keyName)
            keyLine = i; // the last one counts, as for QSettings
    }
    if (keyLine >= 0) {
        lines[keyLine] = entry;
    } else if (sectionEnd >= 0) {
        lines.insert(sectionEnd, entry);
    } else {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
            lines.append(QByteArray());
        lines.append(header);
        lines.append(entry);
    }
    return lines.join('\n') + '\n';
}

} // namespace

QSettingsStore::QSettingsStore(const QString &configFolder, MessageBoxService *messages)
    : m_folder(configFolder.isEmpty()
                   ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                   : configFolder)
    , m_messages(messages)
{}

QString QSettingsStore::fileOf(const QString &application) const
{
    const QString name = escaped(application);
    return m_folder + QLatin1Char('/') + name + QLatin1Char('/') + name + QLatin1String(".ini");
}

bool QSettingsStore::readable(const QString &file) const
{
    const QFileInfo info(file);
    if (!info.isFile() || info.size() > LargestReadable)
        return false;
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly) || !isIniText(in.readAll()))
        return false;
    const QSettings settings(file, QSettings::IniFormat);
    return settings.status() == QSettings::NoError;
}

QString QSettingsStore::read(const QString &application, const QString &section, const QString &key,
                             const QString &fallback) const
{
    const QString file = fileOf(application);
    if (!QFileInfo::exists(file))
        return fallback;
    if (!readable(file)) {
        qCInfo(lcPlatform) << "settings file unreadable, defaults used:" << file;
        return fallback;
    }
    const QSettings settings(file, QSettings::IniFormat);
    const QVariant value = settings.value(keyPath(section, key));
    if (!value.isValid())
        return fallback;
    // A hand-edited value with bare commas comes back as a list; its text is what was meant.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1String(", "));
    return value.toString();
}

void QSettingsStore::write(const QString &application, const QString &section, const QString &key,
                           const QString &value)
{
    const QString file = fileOf(application);
    QByteArray text;
    QString setAsideAs;
    if (QFileInfo::exists(file)) {
        QFile current(file);
        if (!readable(file) || !current.open(QIODevice::ReadOnly)) {
            setAsideAs = setAside(file);
            if (setAsideAs.isEmpty())
                return;
        } else {
            text = current.readAll();
        }
    }
    QByteArray header;
    QByteArray entry;
    bool saved
        = iniLinesOf(section, key, value, &header, &entry) && QDir().mkpath(QFileInfo(file).path());
    if (saved) {
        QSaveFile out(file);
        saved = out.open(QIODevice::WriteOnly)
                && out.write(withValue(text, section, key, header, entry)) >= 0 && out.commit();
    }
    // Told only now, the file written: the message box lets other events run, and a write
    // among them must find the file as this one left it.
    if (saved && !setAsideAs.isEmpty() && !m_toldSetAside) {
        m_toldSetAside = true;
        tell(QStringLiteral("Le fichier des préférences « %1 » est illisible.\nIl a été conservé "
                            "sous le nom « %2 » et un nouveau fichier a été créé.")
                 .arg(QDir::toNativeSeparators(file), QFileInfo(setAsideAs).fileName()));
    }
    if (saved)
        return;
    qCWarning(lcPlatform) << "settings not written:" << file;
    if (!m_toldNotSaved) {
        m_toldNotSaved = true;
        tell(QStringLiteral("Les préférences ne peuvent pas être enregistrées dans le fichier "
                            "« %1 ».\nLes changements de cette séance seront perdus à la "
                            "fermeture du programme.")
                 .arg(QDir::toNativeSeparators(file)));
    }
}

QString QSettingsStore::setAside(const QString &file)
{
    QString aside = file + AsideSuffix;
    for (int n = 2; QFileInfo::exists(aside) || QFileInfo(aside).isSymLink(); ++n)
        aside = file + AsideSuffix + QString::number(n);
    if (QFile::rename(file, aside) || QDir().rename(file, aside)) {
        qCWarning(lcPlatform) << "settings file unreadable, kept as" << aside
                              << "and started afresh";
        return aside;
    }
    qCWarning(lcPlatform) << "settings file unreadable and not set aside, left as it is:" << file;
    if (!m_toldNotSaved) {
        m_toldNotSaved = true;
        tell(QStringLiteral("Le fichier des préférences « %1 » est illisible et ne peut pas être "
                            "mis de côté.\nLes changements ne seront pas enregistrés.")
                 .arg(QDir::toNativeSeparators(file)));
    }
    return {};
}

void QSettingsStore::tell(const QString &text)
{
    if (!m_messages)
        return;
    MessageRequest request;
    request.icon = MessageIcon::Exclamation;
    request.buttons = MessageButtons::Ok;
    request.title = QStringLiteral("Kinovue ST");
    request.text = text;
    m_messages->ask(request);
}

void QSettingsStore::removeApplication(const QString &application)
{
    const QString file = fileOf(application);
    if (!QFile::exists(file)) {
        qCDebug(lcPlatform) << "nothing stored for" << application;
        return;
    }
    if (!QFile::remove(file))
        qCWarning(lcPlatform) << "settings file not removed:" << file;
    // The application's own folder goes too when nothing else lives in it.
    QDir().rmdir(QFileInfo(file).absolutePath());
}
