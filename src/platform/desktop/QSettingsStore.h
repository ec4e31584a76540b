#pragma once

#include "platform/SettingsStore.h"

class MessageBoxService;

// Per-user INI files, one per application: <config folder>/<application>/<application>.ini,
// which is where QSettings(IniFormat, UserScope, application, application) puts them, in the
// format QSettings reads.
//
// A write changes its one line and keeps every other line of the file as it was, comments
// included, and replaces the file atomically. A file that cannot be read (not INI, or larger
// than any file the program writes) gives the fallbacks and is never overwritten: the first
// write sets it aside as "<file>.illisible" and starts a fresh one. The user hears once of a
// file set aside, and once of a change that could not be saved.
class QSettingsStore : public SettingsStore
{
public:
    static constexpr qint64 LargestReadable = 1024 * 1024;

    // An empty folder means the user's configuration folder. Without a message box, the user
    // is told nothing (the log still is).
    explicit QSettingsStore(const QString &configFolder = {},
                            MessageBoxService *messages = nullptr);

    QString read(const QString &application, const QString &section, const QString &key,
                 const QString &fallback) const override;
    void write(const QString &application, const QString &section, const QString &key,
               const QString &value) override;
    void removeApplication(const QString &application) override;

    QString fileOf(const QString &application) const;

private:
    bool readable(const QString &file) const;
    // Moves an unreadable file out of the way: its new name, or empty when it stays put.
    QString setAside(const QString &file);
    void tell(const QString &text);

    QString m_folder;
    MessageBoxService *m_messages = nullptr;
    bool m_toldSetAside = false;
    bool m_toldNotSaved = false;
};
