#include "QSettingsStore.h"

#include "core/Logging.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

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

} // namespace

QSettingsStore::QSettingsStore(const QString &configFolder)
    : m_folder(configFolder.isEmpty()
                   ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                   : configFolder)
{}

QString QSettingsStore::fileOf(const QString &application) const
{
    const QString name = escaped(application);
    return m_folder + QLatin1Char('/') + name + QLatin1Char('/') + name + QLatin1String(".ini");
}

QString QSettingsStore::read(const QString &application, const QString &section, const QString &key,
                             const QString &fallback) const
{
    if (!QFile::exists(fileOf(application)))
        return fallback;
    const QSettings settings(fileOf(application), QSettings::IniFormat);
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
    QSettings settings(fileOf(application), QSettings::IniFormat);
    settings.setValue(keyPath(section, key), value);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        qCWarning(lcPlatform) << "settings not written:" << fileOf(application);
}

void QSettingsStore::removeApplication(const QString &application)
{
    const QString file = fileOf(application);
    if (!QFile::exists(file)) {
        qCDebug(lcPlatform) << "nothing stored for" << application;
        return;
    }
    {
        QSettings settings(file, QSettings::IniFormat);
        settings.clear();
        settings.sync();
    }
    if (!QFile::remove(file))
        qCWarning(lcPlatform) << "settings file not removed:" << file;
    // The application's own folder goes too when nothing else lives in it.
    QDir().rmdir(QFileInfo(file).absolutePath());
}
