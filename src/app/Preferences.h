#pragma once

#include "app/General.h"

class SettingsStore;

// Reading the preferences at start and writing each one back the moment it changes.
class Preferences
{
public:
    Preferences(SettingsStore &store, General &general);

    void readColours();
    void readHints();
    void readTips();

    void writeColour(General::Role role);
    void writeHints();
    void writeTips();
    void removeAll();

private:
    SettingsStore &m_store;
    General &m_general;
};
