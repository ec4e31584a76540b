#pragma once

#include <QString>

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

} // namespace SettingsKeys
