#pragma once

#include <QString>

// What the file panel's OK button plays: nothing chosen yet, an AVI slideshow or FLC/FLI files.
enum class PanelSequence { None, SeqAVI, SeqFLI };
// Which files of the panel a sequence takes: none chosen yet, the whole folder or the selection.
enum class PanelScope { None, ModeDossier, ModeSelection };

// Form-level values of the main window, shared by its behaviour areas.
struct FenPrinState
{
    // Transport.
    bool EnPause = false;
    bool BoucleAVI = false;
    bool PleinEcran = false;
    QString NbImages; // frames as last read; empty before the first read

    // Slideshow and file panel modes. A list entry changes ModeListe only, so the sequence and
    // scope chosen earlier stay in force for the panel's OK button.
    bool ModeNormal = true;
    PanelSequence sequence = PanelSequence::None;
    PanelScope scope = PanelScope::None;
    bool ModeListe = false;
    // A slideshow or FLC/FLI sequence chosen from a menu: a sequence, not a list.
    void chooseSequence(PanelSequence kind, bool wholeFolder)
    {
        sequence = kind;
        scope = wholeFolder ? PanelScope::ModeDossier : PanelScope::ModeSelection;
        ModeListe = false;
    }
    bool SeqAVI() const { return sequence == PanelSequence::SeqAVI; }
    bool SeqFLI() const { return sequence == PanelSequence::SeqFLI; }
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
