#pragma once

#include <QtGlobal>

class SettingsStore;

// The seven interface colours the user chose in the main program, 0x00BBGGRR.
struct SkinColours
{
    quint32 gradientStart = 0x808000;
    quint32 gradientEnd = 0xE0E0E0;
    quint32 buttonText = 0x808000;
    quint32 buttonLight = 0xDEFF6C;
    quint32 otherText = 0xFFFFFF;
    quint32 windowBack = 0x808000;
    quint32 viewBack = 0xD2D200;

    // A value that is absent or unreadable keeps its default.
    static SkinColours read(const SettingsStore &settings);
};
