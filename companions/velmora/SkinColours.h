#pragma once

#include "core/ColourRole.h"

#include <QtGlobal>

class SettingsStore;

// The seven interface colours the user chose in the main program, 0x00BBGGRR.
struct SkinColours
{
    quint32 gradientStart = ColourRole::Table[ColourRole::DebDegrade].value;
    quint32 gradientEnd = ColourRole::Table[ColourRole::FinDegrade].value;
    quint32 buttonText = ColourRole::Table[ColourRole::TexteBoutons].value;
    quint32 buttonLight = ColourRole::Table[ColourRole::Lumiere].value;
    quint32 otherText = ColourRole::Table[ColourRole::AutresTextes].value;
    quint32 windowBack = ColourRole::Table[ColourRole::FondFenetres].value;
    quint32 viewBack = ColourRole::Table[ColourRole::Visu].value;

    // A value that is absent or unreadable keeps its default.
    static SkinColours read(const SettingsStore &settings);
};
