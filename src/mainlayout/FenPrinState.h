#pragma once

#include <QString>

// Form-level values of the main window, shared by its behaviour areas.
struct FenPrinState
{
    // Transport.
    bool EnPause = false;
    bool BoucleAVI = false;
    bool PleinEcran = false;
    QString NbImages; // frames as last read; empty before the first read

    // Slideshow and file panel modes.
    bool ModeNormal = true;
    bool SeqAVI = false;
    bool SeqFLI = false;
    bool ModeDossier = false;
    bool ModeSelection = false;
    bool ModeListe = false;
    bool SeqPleinEcran = false;
    int IndexSeq = 0;

    // Media.
    QString NomAnimation;
    QString FichierCourant;
    bool FichierClique = false;
    bool BoucleSon = false;
    QString NomSon;
    bool MenuAnimations = false;

    // Settings panel.
    int ZoomAvant = 100;
    int VitesseAvant = 1000;
    int VolumeAvant = 1000;

    // Background screen and dialogs.
    bool FondAffiche = false;
    int IndexFiltre = 4;
};
