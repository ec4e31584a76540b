#pragma once

#include "core/ColourRole.h"

#include <QString>

#include <array>

// Values that live for the whole run and pass between windows. One object, owned by the
// application and handed to every window, so every test starts from a fresh one.
struct General
{
    QString TitreAppli = QStringLiteral("Kinovue ST");

    // Colour roles in their stored order. Each holds the text read from the store until the
    // user picks a colour or resets the scheme; then it holds the decimal digits.
    using Role = ColourRole::Role;
    using enum ColourRole::Role;
    static constexpr int RoleCount = ColourRole::Count;
    std::array<QString, RoleCount> couleurs;
    std::array<bool, RoleCount> ModifCoul{};
    std::array<QString, RoleCount> AncCoul;
    // The role's colour as 0x00BBGGRR; a text of no known form gives the role's default.
    quint32 colour(Role role) const;
    static quint32 defaultColour(Role role);

    QString ValeurInfoBulles = QStringLiteral("Oui");
    bool InfoBulles = true;
    QString ConseilDemarrage = QStringLiteral("Oui");
    QString FichierAide;

    // Hand-over between the multi-view window, the file manager and the main window.
    bool ChoixMultivues = false;
    QString FichierChoisi;
    QString FichierRecup;
    bool MultivuesFermee = false;
    QString DernierDossier;

    // Colour chooser of the background screen.
    int CurseurRouge = 255;
    int CurseurVert = 255;
    int CurseurBleu = 255;
    quint32 CouleurFondEcran = 0;
};
