#pragma once

#include <QtGlobal>

#include <array>

// The seven interface colour roles: their keys in the settings store and their defaults.
// The main program and the FLC/FLI module read the same table.
namespace ColourRole {

enum Role : int {
    DebDegrade,
    FinDegrade,
    TexteBoutons,
    Lumiere,
    AutresTextes,
    FondFenetres,
    Visu,
    None
};
constexpr int Count = 7;

struct Entry
{
    const char *key;
    const char *storedDefault; // the text a missing key reads as
    quint32 value;             // the same default as a colour, 0x00BBGGRR
};

inline constexpr std::array<Entry, Count> Table = {{
    {"Début du dégradé", "&H808000", 0x808000},
    {"Fin du dégradé", "&HE0E0E0", 0xE0E0E0},
    {"Texte des boutons", "&H808000", 0x808000},
    {"'Lumière' des boutons", "&HDEFF6C", 0xDEFF6C},
    {"Autres textes", "&HFFFFFF", 0xFFFFFF},
    {"Fond des fenêtres", "&H808000", 0x808000},
    {"Visualisation, dossiers, etc.", "&HD2D200", 0xD2D200},
}};

} // namespace ColourRole
