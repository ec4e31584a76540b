#pragma once

#include "platform/SettingsStore.h"

// Per-user INI files, one per application: <config folder>/<application>/<application>.ini,
// which is where QSettings(IniFormat, UserScope, application, application) puts them.
class QSettingsStore : public SettingsStore
{
public:
    // An empty folder means the user's configuration folder.
    explicit QSettingsStore(const QString &configFolder = {});

    QString read(const QString &application, const QString &section, const QString &key,
                 const QString &fallback) const override;
    void write(const QString &application, const QString &section, const QString &key,
               const QString &value) override;
    void removeApplication(const QString &application) override;

    QString fileOf(const QString &application) const;

private:
    QString m_folder;
};
