#include "FenPrinLayout.h"

namespace {

using enum ColourRole::Role;

constexpr ControlKind B = ControlKind::Button;
constexpr ControlKind P = ControlKind::Panel;
constexpr ControlKind L = ControlKind::Label;
constexpr ControlKind V = ControlKind::VScrollBar;
constexpr ControlKind H = ControlKind::HScrollBar;

ControlSpec c(const char *name, ControlKind kind, const char *container, double l, double t,
              double w, double h, const QString &caption = {}, const QString &hint = {},
              Pictogram picture = Pictogram::None, bool visible = true, bool enabled = true)
{
    ControlSpec s;
    s.name = QString::fromUtf8(name);
    s.kind = kind;
    s.container = QString::fromUtf8(container);
    s.rect = QRectF(l, t, w, h);
    s.caption = caption;
    s.hint = hint;
    s.picture = picture;
    s.visible = visible;
    s.enabled = enabled;
    return s;
}

ControlSpec band(const char *name, double l, double t, double w, double h)
{
    return c(name, B, "", l, t, w, h, {}, {}, Pictogram::None, true, false);
}

ControlSpec menuItem(const char *name, const char *menu, double top, const QString &caption,
                     double width = 2835)
{
    return c(name, B, menu, 300, top, width, 255, caption);
}

ControlSpec line(const char *name, const char *menu, double top, double width)
{
    return c(name, ControlKind::Line, menu, 300, top, width, 15);
}

ControlSpec warning(int index, double top, double height, const QString &text)
{
    ControlSpec s = c("", L, "FondAvertissement", 120, top, 4995, height, text);
    s.name = QStringLiteral("LblAvert%1").arg(index);
    return s;
}

} // namespace

QString zoomButtonName(int index)
{
    return QStringLiteral("Zoom(%1)").arg(index);
}

QList<ControlSpec> fenPrinLayout()
{
    using Pic = Pictogram;
    QList<ControlSpec> t = {
        // Title band.
        c("CmdDeplaceFen", B, "", 0, 0, 7860, 315, "Kinovue ST", "Déplacement de la fenêtre")
            .gradient(DebDegrade, FinDegrade)
            .text(TexteBoutons, Lumiere),
        c("CmdReduire", B, "", 7860, 0, 300, 315, "-", "Réduire")
            .gradient(DebDegrade, FinDegrade)
            .text(TexteBoutons, Lumiere),
        c("CmdFermer", B, "", 8160, 0, 300, 315, "x", "Fermer")
            .gradient(DebDegrade, FinDegrade)
            .text(TexteBoutons, Lumiere),
        band("Forme5", 0, 315, 8460, 315).gradient(FinDegrade, DebDegrade),

        // Left column, upper panel: animations and sounds.
        c("Forme1", P, "", 0, 600, 1755, 2220).gradient(DebDegrade, FinDegrade),
        c("CmdMid", B, "Forme1", 180, 120, 600, 480, {},
          "Chargement des fichiers MID, RMI et WAV/Indication du nom et de la durée du son",
          Pic::Note),
        c("CmdMarche", B, "Forme1", 780, 120, 420, 480, {}, "Jouer", Pic::Play),
        c("CmdARR", B, "Forme1", 780, 120, 420, 480, {}, "Stop", Pic::Stop, false),
        c("CmdLoop", B, "Forme1", 1200, 120, 375, 480, {}, "Jouer en boucle", Pic::Loop),
        c("CmdSonMCI", B, "Forme1", 180, 660, 600, 480, {},
          "Lecteurs multimédia (sons) - Fenêtre de gestion des sons", Pic::Speaker),
        c("CmdFiMCI", B, "Forme1", 960, 660, 600, 480, {},
          "Chargement des fichiers AVI, MPG et MOV...", Pic::Film),
        c("CmdMultiVue", B, "Forme1", 180, 1200, 600, 480, {},
          "Affichage de la fenêtre de visualisation multivues", Pic::Multiview),
        c("CmdMPAvi", B, "Forme1", 960, 1200, 600, 480, {}, "Lecteurs multimédia (animations)",
          Pic::Players),
        c("CmdSeqAVI", B, "Forme1", 180, 1740, 600, 480, {},
          "Slideshow des animations AVI (MPG et MOV selon système).../Séquence d'animations en "
          "plein écran",
          Pic::Slideshow),
        c("CmdSeqSTOP", B, "Forme1", 180, 1740, 600, 480, {}, "Arrêt du slideshow",
          Pic::SlideshowStop, false),
        c("CmdReglMCI", B, "Forme1", 960, 1740, 600, 480, {}, "Affichage de la boîte de réglages",
          Pic::Settings, true, false),

        // Left column, lower panel.
        c("Forme2", P, "", 0, 2820, 1755, 2220).gradient(FinDegrade, DebDegrade),
        c("CmdFLI", B, "Forme2", 180, 60, 780, 780, {}, "Module animations FLC et FLI",
          Pic::FlcModule),
        c("CmdFLI1", B, "Forme2", 1080, 300, 480, 480, {},
          "Animations FLC et FLI en plein écran seule ou en séquence", Pic::FlcMenu),
        c("CmdRestaure", B, "Forme2", 180, 960, 600, 480, {},
          "Restauration des dimensions de la fenêtre/Appel du Presse-papiers", Pic::Restore),
        c("CmdFond", B, "Forme2", 960, 960, 600, 480, {},
          "Affichage du fond d'écran/Choix de la couleur", Pic::Screen),
        c("CmdApropos", B, "Forme2", 180, 1620, 600, 480, {},
          "A propos de Kinovue ST - Changer les couleurs - Etc.", Pic::Info),
        c("CmdAide", B, "Forme2", 960, 1620, 600, 480, {},
          "Appel de l'aide sur la fenêtre/Appel de l'aide générale", Pic::Help),

        // Right and bottom bands.
        band("Forme3", 7860, 615, 600, 2220).gradient(DebDegrade, FinDegrade),
        band("Forme4", 7860, 2820, 600, 2220).gradient(FinDegrade, DebDegrade),
        band("Forme6", 0, 5040, 8460, 315).gradient(DebDegrade, FinDegrade),
        band("Forme7", 0, 5355, 8460, 315).gradient(FinDegrade, DebDegrade),

        // The media area.
        c("CadreAVI", P, "", 2340, 900, 4875, 3855).gradient(DebDegrade, FinDegrade),
        c("CPAVI", P, "CadreAVI", 240, 240, 4395, 2955).gradient(FinDegrade, DebDegrade),
        c("ButAVI", P, "CadreAVI", 907.5, 3225, 3060, 555, {}, {}, Pic::None, false)
            .gradient(DebDegrade, FinDegrade),
        c("BarrAVI", B, "ButAVI", 90, 75, 2880, 135, {}, {}, Pic::None, true, false)
            .gradient(FinDegrade, DebDegrade),
        c("CmdPlayAVI", B, "ButAVI", 120, 240, 315, 255, {}, "Marche avant", Pic::Play),
        c("CmdPauseAVI", B, "ButAVI", 120, 240, 315, 255, {}, "Pause", Pic::Pause, false),
        c("CmdStopAVI", B, "ButAVI", 480, 240, 315, 255, {}, "Stop", Pic::Stop),
        c("CmdRepetAVI", B, "ButAVI", 840, 240, 315, 255, {}, "Jouer en boucle", Pic::Loop),
        c("CmdDebutAVI", B, "ButAVI", 1200, 240, 315, 255, {}, "Aller au début de la vidéo",
          Pic::ToStart),
        c("CmdReculeAVI", B, "ButAVI", 1560, 240, 315, 255, {}, "Reculer de 10 secondes/1 seconde",
          Pic::StepBack),
        c("CmdAvanceAVI", B, "ButAVI", 1920, 240, 315, 255, {}, "Avancer de 10 secondes/1 seconde",
          Pic::StepForward),
        c("CmdFinAVI", B, "ButAVI", 2280, 240, 315, 255, {}, "Aller à la fin de la vidéo",
          Pic::ToEnd),
        c("CmdPlEcrAVI", B, "ButAVI", 2640, 240, 315, 255, {}, "Jouer en plein écran",
          Pic::FullScreen),

        // Settings panels: speed, volume and zoom.
        c("FondRéglages", P, "", 0, 600, 1755, 2220, {}, {}, Pic::None, false)
            .startRole(DebDegrade),
        c("FondRéglages2", P, "", 0, 2820, 1755, 2220, {}, {}, Pic::None, false)
            .endRole(DebDegrade),
        c("VitText", P, "FondRéglages2", 240, 60, 555, 375, "100")
            .text(AutresTextes)
            .background(Visu),
        c("VolText", P, "FondRéglages2", 960, 60, 555, 375, "100")
            .text(AutresTextes)
            .background(Visu),
        c("VSVit", V, "FondRéglages2", 270, 570, 495, 1335, {}, "VDTTip:Réglage de la vitesse"),
        c("VSVol", V, "FondRéglages2", 990, 570, 495, 1335, {}, "VDTTip:Réglage du volume"),
        c("Vitesse", B, "FondRéglages2", 360, 1980, 240, 240, {}, "Vitesse", Pic::Speed),
        c("Volume", B, "FondRéglages2", 1140, 1980, 240, 240, {}, "Volume", Pic::Speaker),
    };
    for (int i = 0; i < 9; ++i) {
        ControlSpec s = c("", B, "FondRéglages", 60 + 540 * (i % 3), 120 + 360 * (i / 3), 555, 375,
                          QString::number(ZoomPresets[i]));
        s.name = zoomButtonName(i);
        t.append(s.gradient(DebDegrade, FinDegrade).text(AutresTextes, Lumiere));
    }
    t += {
        c("VSZoom", H, "FondRéglages", 330, 1290, 795, 315),
        c("ZoomText", P, "FondRéglages", 1140, 1260, 555, 375, "100")
            .text(AutresTextes)
            .background(Visu),
        c("Taille", B, "FondRéglages", 30, 1320, 240, 240, {}, "Taille", Pic::Zoom),
        c("CmdOKZoom", B, "FondRéglages", 120, 1710, 495, 480, {}, "Prend en compte les réglages",
          Pic::Ok)
            .text(AutresTextes, Lumiere),
        c("CmdAnnulZoom", B, "FondRéglages", 690, 1710, 495, 480, {}, "Annuler", Pic::Cancel),
        c("CmdAideZoom", B, "FondRéglages", 1200, 1710, 495, 480, {},
          "Affichage de la rubrique d'aide", Pic::Help),

        // The configuration pop-up menu.
        c("PopUpInfos", P, "", 1800, 660, 3255, 4755, "Configuration des couleurs, etc.", {},
          Pic::None, false)
            .gradient(FinDegrade, DebDegrade)
            .text(TexteBoutons),
        menuItem("CmdApropos2", "PopUpInfos", 60, "A propos...").text(AutresTextes, Lumiere),
        c("LblChangerCoul", L, "PopUpInfos", 1740, 420, 1320, 240, "[COULEURS]").text(AutresTextes),
        menuItem("CmdCoulDeb", "PopUpInfos", 660, "Début du dégradé").text(AutresTextes, Lumiere),
        menuItem("CmdCoulFin", "PopUpInfos", 900, "Fin du dégradé").text(AutresTextes, Lumiere),
        menuItem("CmdCoulTxt", "PopUpInfos", 1140, "Texte des boutons").text(AutresTextes, Lumiere),
        menuItem("CmdLumiere", "PopUpInfos", 1380, "Lumière des boutons")
            .text(AutresTextes, Lumiere),
        menuItem("CmdAutrTxt", "PopUpInfos", 1620, "Autres textes").text(AutresTextes, Lumiere),
        menuItem("CmdCoulFondFen", "PopUpInfos", 1860, "Fond des fenêtres")
            .text(AutresTextes, Lumiere),
        menuItem("CmdCoulVisu", "PopUpInfos", 2100, "Visualisation, dossiers, etc.")
            .text(AutresTextes, Lumiere),
        menuItem("CmdReset", "PopUpInfos", 2340, "Réinitialiser les couleurs")
            .text(AutresTextes, Lumiere),
        menuItem("CmdBulAide", "PopUpInfos", 2700, "Affichage des info-bulles")
            .text(AutresTextes, Lumiere),
        menuItem("CmdConseilDem", "PopUpInfos", 2940, "Conseils au démarrage")
            .text(AutresTextes, Lumiere),
        menuItem("CmdSupprCle", "PopUpInfos", 3420, "Désinstallation").text(AutresTextes, Lumiere),
        menuItem("CmdImages", "PopUpInfos", 3660, "Galerix"),
        menuItem("CmdFerMnu", "PopUpInfos", 4380, "Fermer le menu").text(AutresTextes, Lumiere),
        line("Line1", "PopUpInfos", 360, 2835).text(AutresTextes),
        line("Line2", "PopUpInfos", 2640, 2835).text(AutresTextes),
        line("Line3", "PopUpInfos", 3300, 2835).text(AutresTextes),
        line("Line4", "PopUpInfos", 4140, 2835).text(AutresTextes),

        // The AVI menu and the file panel it opens.
        c("mnuSeqAVI", P, "", 1800, 2280, 2595, 1635, "Séquence AVI", {}, Pic::None, false)
            .gradient(FinDegrade, DebDegrade)
            .text(TexteBoutons),
        menuItem("mnuToutRep", "mnuSeqAVI", 60, "Tout le dossier", 2175)
            .text(AutresTextes, Lumiere),
        menuItem("mnuSelecFic", "mnuSeqAVI", 300, "Sélection de fichiers", 2175)
            .text(AutresTextes, Lumiere),
        menuItem("mnuListFic", "mnuSeqAVI", 540, "Liste des fichiers", 2175)
            .text(AutresTextes, Lumiere),
        menuItem("mnuAide", "mnuSeqAVI", 900, "Aide", 2175).text(AutresTextes, Lumiere),
        menuItem("mnuAnnul", "mnuSeqAVI", 1260, "Fermer le menu", 2175).text(AutresTextes, Lumiere),
        line("Line5", "mnuSeqAVI", 840, 2175).text(AutresTextes),
        line("Line6", "mnuSeqAVI", 1200, 2175).text(AutresTextes),
        c("PSeqAVI", P, "", 0, 600, 1755, 1920, {}, {}, Pic::None, false).startRole(DebDegrade),
        c("PSeqAVI2", P, "", 0, 2520, 1755, 2520, {}, {}, Pic::None, false).endRole(DebDegrade),
        c("CmdOKSeqAVI", B, "PSeqAVI2", 240, 1980, 555, 495, {}, "OK", Pic::Ok),
        c("CmdAnnulSeqAVI", B, "PSeqAVI2", 900, 1980, 555, 495, {}, "Annuler", Pic::Cancel),

        // The warning before a full-screen slideshow.
        c("FondAvertissement", P, "", 1800, 660, 5235, 4815, "Séquence d'animation en plein écran",
          {}, Pic::None, false),
        warning(1, 360, 600,
                "Cette option, si vous cliquez sur 'OK', va lancer la séquence d'animations en "
                "plein écran. Et ceci sous votre entière responsabilité."),
        warning(2, 960, 180, "La procédure d'interruption est parfois un peu longue :"),
        warning(3, 1140, 360,
                "- cliquer avec le bouton droit de la souris pour interrompre l'animation en "
                "cours."),
        warning(4, 1500, 360,
                "- cliquer avec le bouton gauche soit sur le bouton STOP soit sur une partie "
                "libre de la fenêtre."),
        warning(5, 1860, 570,
                "Le bouton de lancement de séquence d'animations doit devenir visible (il est "
                "probable qu'il vous faudra plusieurs essais)."),
        warning(6, 2430, 570,
                "- cliquer de nouveau avec le bouton droit de la souris pour interrompre "
                "l'animation en cours et revenir à la fenêtre normale."),
        warning(7, 3000, 240, "- Ouf !!!"),
        warning(8, 3240, 660,
                "En cas d'erreur, cliquez de nouveau avec le bouton droit de la souris sur le "
                "bouton de 'slideshow' puis cliquez sur le bouton 'Annuler' dans cette boîte de "
                "dialogue."),
        warning(9, 3900, 300,
                "NOTA : il peut s'avérer préférable de n'utiliser que des AVI pour cette "
                "option..."),
        c("CmdOKAvertSeqAVI", B, "FondAvertissement", 2940, 4200, 555, 495, {}, "OK", Pic::Ok),
        c("CmdAnnulAvertSeqAVI", B, "FondAvertissement", 4200, 4200, 555, 495, {}, "Annuler",
          Pic::Cancel),

        // The FLC/FLI menu.
        c("mnuSeqFLI", P, "", 1800, 2760, 2595, 2235, "Animations FLC et FLI", {}, Pic::None, false)
            .gradient(FinDegrade, DebDegrade)
            .text(TexteBoutons),
        menuItem("mnuFich1FLI", "mnuSeqFLI", 60, "Un fichier une fois", 2175)
            .text(AutresTextes, Lumiere),
        menuItem("mnuFichRepFLI", "mnuSeqFLI", 300, "Un fichier en boucle", 2175)
            .text(AutresTextes, Lumiere),
        menuItem("mnuToutRepFLI", "mnuSeqFLI", 660, "Tout le dossier", 2175)
            .text(AutresTextes, Lumiere),
        menuItem("mnuSelecFicFLI", "mnuSeqFLI", 900, "Sélection de fichiers", 2175)
            .text(AutresTextes, Lumiere),
        menuItem("mnuListFicFLI", "mnuSeqFLI", 1140, "Liste des fichiers", 2175)
            .text(AutresTextes, Lumiere),
        menuItem("mnuAideFLI", "mnuSeqFLI", 1500, "Aide", 2175).text(AutresTextes, Lumiere),
        menuItem("mnuAnnulFLI", "mnuSeqFLI", 1860, "Fermer le menu", 2175)
            .text(AutresTextes, Lumiere),
        line("Line7", "mnuSeqFLI", 600, 2175).text(AutresTextes),
        line("Line8", "mnuSeqFLI", 1440, 2175).text(AutresTextes),
        line("Line9", "mnuSeqFLI", 1800, 2175).text(AutresTextes),

        // The players menu.
        c("mnuWinMCI", P, "", 1800, 1260, 2895, 1875, "Lecteurs multimédia", {}, Pic::None, false)
            .gradient(FinDegrade, DebDegrade)
            .text(TexteBoutons),
        menuItem("mnuActiveMovie", "mnuWinMCI", 60, "ActiveMovie", 2475)
            .text(AutresTextes, Lumiere),
        menuItem("mnuLectMulti", "mnuWinMCI", 300, "Lecteur multimédia", 2475)
            .text(AutresTextes, Lumiere),
        menuItem("mnuMPlayer", "mnuWinMCI", 540, "Lecteur Windows Media", 2475)
            .text(AutresTextes, Lumiere),
        menuItem("mnuWMPlayer", "mnuWinMCI", 780, "Windows Media Player", 2475)
            .text(AutresTextes, Lumiere),
        menuItem("mnuMusicSons", "mnuWinMCI", 1140, "Musique et sons", 2475)
            .text(AutresTextes, Lumiere),
        menuItem("mnuAnnul2", "mnuWinMCI", 1500, "Fermer le menu", 2475)
            .text(AutresTextes, Lumiere),
        line("Line10", "mnuWinMCI", 1080, 2475).text(AutresTextes),
        line("Line11", "mnuWinMCI", 1440, 2475).text(AutresTextes),

        // The sounds panel.
        c("FondSons", P, "", 0, 600, 1755, 2220, {}, {}, Pic::None, false).startRole(DebDegrade),
        c("CmdSTWave", B, "FondSons", 180, 180, 600, 480, {}, "StudioWave (SoundBlaster)",
          Pic::Record),
        c("CmdMix", B, "FondSons", 960, 240, 600, 480, {}, "Table de mixage (SoundBlaster)",
          Pic::Settings),
        c("CmdTelecom", B, "FondSons", 180, 900, 600, 480, {}, "Télécommande (SoundBlaster)",
          Pic::Players),
        c("CmdWave", B, "FondSons", 960, 900, 600, 480, {}, "Platine Wave (SoundBlaster)",
          Pic::Speaker),
        c("CmdMidi", B, "FondSons", 180, 1620, 600, 480, {}, "Platine Midi (SoundBlaster",
          Pic::Note),
        c("CmdCD", B, "FondSons", 960, 1620, 600, 480, {}, "Platine CD (SoundBlaster)", Pic::Play),
        c("FondSons2", P, "", 0, 2820, 1755, 2220, {}, {}, Pic::None, false).endRole(DebDegrade),
        c("CmdSoundrec", B, "FondSons2", 180, 120, 600, 480, {},
          "Exécute l'enregistreur de sons de Windows/Contrôle du volume", Pic::Record),
        c("CmdMP3", B, "FondSons2", 960, 120, 600, 480, {}, "Lecture des MP3", Pic::Note),
        c("CmdLect", B, "FondSons2", 180, 780, 600, 480, {}, "Lecture/copie des fichiers son",
          Pic::Copy),
        c("CmdMPlayer", B, "FondSons2", 960, 780, 600, 480, {}, "Lecteur multimédia", Pic::Players),
        c("CmdSortie", B, "FondSons2", 180, 1380, 600, 480, {}, "Quitte le menu 'Sons'",
          Pic::Close),
        c("CmdAideSons", B, "FondSons2", 960, 1380, 600, 480, {}, "Appel de la rubrique d'aide",
          Pic::Help),
    };
    return t;
}
