#include "ColourScheme.h"

#include "app/General.h"
#include "controls/Form.h"
#include "core/Colour.h"

#include <QPalette>
#include <QVariant>

namespace {

enum class Ends { DebFin, FinDeb, DebOnly, FinOnlyDeb };

struct GradientRow
{
    const char *name;
    Ends ends;
};

// Which end of each gradient takes the first colour.
const GradientRow GradientTable[] = {
    {"CmdDeplaceFen", Ends::DebFin}, {"CmdReduire", Ends::DebFin},
    {"CmdFermer", Ends::DebFin},     {"Forme3", Ends::DebFin},
    {"Forme6", Ends::DebFin},        {"Forme4", Ends::FinDeb},
    {"Forme5", Ends::FinDeb},        {"Forme7", Ends::FinDeb},
    {"BarrAVI", Ends::FinDeb},       {"Forme1", Ends::DebFin},
    {"CadreAVI", Ends::DebFin},      {"ButAVI", Ends::DebFin},
    {"Forme2", Ends::FinDeb},        {"PopUpInfos", Ends::FinDeb},
    {"CPAVI", Ends::FinDeb},         {"mnuSeqAVI", Ends::FinDeb},
    {"mnuWinMCI", Ends::FinDeb},     {"mnuSeqFLI", Ends::FinDeb},
    {"FondRéglages", Ends::DebOnly}, {"FondSons", Ends::DebOnly},
    {"PSeqAVI", Ends::DebOnly},      {"FondRéglages2", Ends::FinOnlyDeb},
    {"FondSons2", Ends::FinOnlyDeb}, {"PSeqAVI2", Ends::FinOnlyDeb},
};

const char *const TitleBar[] = {"CmdDeplaceFen", "CmdReduire", "CmdFermer"};
const char *const MenuPanels[] = {"PopUpInfos", "mnuSeqAVI", "mnuWinMCI", "mnuSeqFLI"};
const char *const PopUpItems[]
    = {"CmdCoulDeb",  "CmdCoulFin", "CmdLumiere", "CmdCoulTxt",    "CmdAutrTxt",  "CmdCoulFondFen",
       "CmdCoulVisu", "CmdReset",   "CmdBulAide", "CmdConseilDem", "CmdSupprCle", "CmdFerMnu"};
const char *const PanelMenuItems[]
    = {"mnuToutRep",     "mnuSelecFic",  "mnuListFic",    "mnuAide",       "mnuAnnul",
       "mnuActiveMovie", "mnuLectMulti", "mnuMPlayer",    "mnuWMPlayer",   "mnuMusicSons",
       "mnuAnnul2",      "mnuFich1FLI",  "mnuFichRepFLI", "mnuToutRepFLI", "mnuSelecFicFLI",
       "mnuListFicFLI",  "mnuAideFLI",   "mnuAnnulFLI"};
const char *const Lists[] = {"Lecteur1", "Répertoire1", "Fichier1"};
const char *const ValueDisplays[] = {"ZoomText", "VitText", "VolText"};

void set(const Form &window, const QString &name, const char *property, quint32 colour)
{
    if (QWidget *control = window.control(name))
        control->setProperty(property, colour);
}

void set(const Form &window, const char *name, const char *property, quint32 colour)
{
    set(window, QString::fromUtf8(name), property, colour);
}

QStringList zoomButtons()
{
    QStringList names;
    for (int i = 0; i < 9; ++i)
        names << QStringLiteral("Zoom(%1)").arg(i);
    return names;
}

} // namespace

void ColourScheme::applyToMainWindow(Form &window, const General &general)
{
    const quint32 deb = general.colour(General::DebDegrade);
    const quint32 fin = general.colour(General::FinDegrade);
    const quint32 texte = general.colour(General::TexteBoutons);
    const quint32 lumiere = general.colour(General::Lumiere);
    const quint32 autres = general.colour(General::AutresTextes);
    const quint32 fond = general.colour(General::FondFenetres);
    const quint32 visu = general.colour(General::Visu);

    for (const GradientRow &row : GradientTable) {
        switch (row.ends) {
        case Ends::DebFin:
            set(window, row.name, "gradientcolorstart", deb);
            set(window, row.name, "gradientcolorend", fin);
            break;
        case Ends::FinDeb:
            set(window, row.name, "gradientcolorstart", fin);
            set(window, row.name, "gradientcolorend", deb);
            break;
        case Ends::DebOnly:
            set(window, row.name, "gradientcolorstart", deb);
            break;
        case Ends::FinOnlyDeb:
            set(window, row.name, "gradientcolorend", deb);
            break;
        }
    }
    for (const QString &zoom : zoomButtons()) {
        set(window, zoom, "gradientcolorstart", deb);
        set(window, zoom, "gradientcolorend", fin);
    }

    for (const char *name : TitleBar)
        set(window, name, "forecolor", texte);
    for (const char *name : MenuPanels)
        set(window, name, "forecolor", texte);

    for (const char *name : TitleBar)
        set(window, name, "highlightcolor", lumiere);
    set(window, "CmdApropos2", "highlightcolor", lumiere);
    for (const char *name : PopUpItems)
        set(window, name, "highlightcolor", lumiere);
    set(window, "CmdOKZoom", "highlightcolor", lumiere);
    for (const QString &zoom : zoomButtons())
        set(window, zoom, "highlightcolor", lumiere);
    for (const char *name : PanelMenuItems)
        set(window, name, "highlightcolor", lumiere);

    for (const char *name : Lists)
        set(window, name, "forecolor", autres);
    set(window, "CmdApropos2", "forecolor", autres);
    set(window, "LblChangerCoul", "forecolor", autres);
    for (const char *name : PopUpItems)
        set(window, name, "forecolor", autres);
    for (int i = 1; i <= 11; ++i)
        set(window, QStringLiteral("Line%1").arg(i), "forecolor", autres);
    set(window, "CmdOKZoom", "forecolor", autres);
    for (const char *name : ValueDisplays)
        set(window, name, "forecolor", autres);
    for (const QString &zoom : zoomButtons())
        set(window, zoom, "forecolor", autres);
    for (const char *name : PanelMenuItems)
        set(window, name, "forecolor", autres);

    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, Colour::toQColor(fond));
    window.setPalette(palette);
    window.setAutoFillBackground(true);

    for (const char *name : Lists)
        set(window, name, "backcolor", visu);
    for (const char *name : ValueDisplays)
        set(window, name, "backcolor", visu);
}
