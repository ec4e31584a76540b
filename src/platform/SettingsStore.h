#pragma once

#include <QString>

// The per-user store of preferences: application, section, key; every value is text.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    // The stored text, or fallback when the key or section is absent. Never writes.
    virtual QString read(const QString &application, const QString &section, const QString &key,
                         const QString &fallback) const = 0;
    virtual void write(const QString &application, const QString &section, const QString &key,
                       const QString &value)
        = 0;
    // Removes the application's whole branch. Nothing stored, or a failure, is silent.
    virtual void removeApplication(const QString &application) = 0;
};
