#pragma once

#include "app/General.h"

#include <QString>

#include <array>

// Where each preference lives in the settings store.
namespace SettingsKeys {

inline const QString Application = QStringLiteral("Kinovue ST");
inline const QString ColourSection = QStringLiteral("Couleurs de l'interface");
inline const QString HintSection = QStringLiteral("Affichage des info-bulles");
inline const QString HintKey = QStringLiteral("Valeur");
inline const QString TipsSection = QStringLiteral("Conseils du jour");
inline const QString TipsKey = QStringLiteral("Conseil au démarrage");
inline const QString Yes = QStringLiteral("Oui");
inline const QString No = QStringLiteral("Non");

struct ColourKey
{
    const char *key;
    const char *fallback;
};

// In the order of General::Role.
inline const std::array<ColourKey, General::RoleCount> ColourKeys = {{
    {"Début du dégradé", "&H808000"},
    {"Fin du dégradé", "&HE0E0E0"},
    {"Texte des boutons", "&H808000"},
    {"'Lumière' des boutons", "&HDEFF6C"},
    {"Autres textes", "&HFFFFFF"},
    {"Fond des fenêtres", "&H808000"},
    {"Visualisation, dossiers, etc.", "&HD2D200"},
}};

} // namespace SettingsKeys
