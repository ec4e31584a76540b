#include "Preferences.h"

#include "core/SettingsKeys.h"
#include "platform/SettingsStore.h"

using namespace SettingsKeys;

Preferences::Preferences(SettingsStore &store, General &general)
    : m_store(store)
    , m_general(general)
{}

void Preferences::readColours()
{
    for (int role = 0; role < General::RoleCount; ++role) {
        const ColourRole::Entry &entry = ColourRole::Table[role];
        m_general.couleurs[role]
            = m_store.read(Application, ColourSection, QString::fromUtf8(entry.key),
                           QString::fromUtf8(entry.storedDefault));
    }
}

void Preferences::readHints()
{
    m_general.ValeurInfoBulles = m_store.read(Application, HintSection, HintKey, Yes);
    m_general.InfoBulles = m_general.ValeurInfoBulles == Yes;
}

void Preferences::readTips()
{
    m_general.ConseilDemarrage = m_store.read(Application, TipsSection, TipsKey, Yes);
}

void Preferences::writeColour(General::Role role)
{
    m_store.write(Application, ColourSection, QString::fromUtf8(ColourRole::Table[role].key),
                  m_general.couleurs[role]);
}

void Preferences::writeHints()
{
    m_store.write(Application, HintSection, HintKey, m_general.ValeurInfoBulles);
}

void Preferences::writeTips()
{
    m_store.write(Application, TipsSection, TipsKey, m_general.ConseilDemarrage);
}

void Preferences::removeAll()
{
    m_store.removeApplication(Application);
}
