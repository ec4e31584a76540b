#include "FenColors.h"

#include "app/AppContext.h"
#include "app/HoverHints.h"
#include "app/LoadedWindows.h"
#include "app/SharedProcedures.h"
#include "app/WindowColours.h"
#include "app/WindowDrag.h"
#include "colours/ColourMixer.h"
#include "colours/FenFond.h"
#include "controls/PictureBox.h"
#include "controls/ScrollBar.h"
#include "controls/ZarnBttn.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

namespace {

using enum ColourRole::Role;
constexpr ControlKind B = ControlKind::Button;
constexpr ControlKind P = ControlKind::Panel;
constexpr ControlKind L = ControlKind::Label;
constexpr ControlKind V = ControlKind::VScrollBar;
constexpr ControlKind I = ControlKind::Picture;

QList<ControlSpec> fenColorsLayout()
{
    return {
        layoutRow("CmdDeplaceFen", B, 0, 0, 5460, 315)
            .titled(QStringLiteral("Fond d'écran en dégradé de couleurs"))
            .hinted(QStringLiteral("Déplacement de la fenêtre"))
            .gradient(DebDegrade, FinDegrade)
            .text(TexteBoutons, Lumiere),
        strip("Forme1", 0, 300, 5460, 315).gradient(FinDegrade, DebDegrade),
        strip("Forme2", 0, 600, 600, 1200).gradient(DebDegrade, FinDegrade),
        strip("Forme3", 0, 1800, 600, 1260).gradient(FinDegrade, DebDegrade),
        strip("Forme7", 0, 3060, 5460, 315).gradient(DebDegrade, FinDegrade),
        strip("Forme6", 0, 3375, 5460, 315).gradient(FinDegrade, DebDegrade),
        layoutRow("CmdOK", B, 4860, 600, 600, 1200)
            .showing(Pictogram::Ok)
            .hinted(QStringLiteral("OK"))
            .gradient(DebDegrade, FinDegrade),
        layoutRow("CmdAnnul", B, 4860, 1800, 600, 1260)
            .showing(Pictogram::Cancel)
            .hinted(QStringLiteral("Annuler"))
            .gradient(FinDegrade, DebDegrade),
        layoutRow("FondCouleur", P, 600, 600, 2055, 2475)
            .titled(QStringLiteral("Couleur du fond"))
            .gradient(DebDegrade, FinDegrade)
            .text(AutresTextes),
        layoutRow("FondReglage", P, 2640, 600, 2235, 2475)
            .titled(QStringLiteral("Réglage des couleurs"))
            .gradient(FinDegrade, DebDegrade)
            .text(AutresTextes),
        layoutRow("Image4", I, 60, 300, 1905, 2040).in("FondCouleur"),
        layoutRow("Image1", I, 60, 300, 555, 360).in("FondReglage"),
        layoutRow("Image2", I, 780, 300, 555, 360).in("FondReglage"),
        layoutRow("Image3", I, 1500, 300, 540, 360).in("FondReglage"),
        // Plain boxes lying behind the sliders.
        layoutRow("Label2", L, 60, 750, 555, 1575).in("FondReglage"),
        layoutRow("Label1", L, 780, 750, 555, 1575).in("FondReglage"),
        layoutRow("Label3", L, 1500, 750, 555, 1575).in("FondReglage"),
        layoutRow("VSlide1", V, 90, 780, 495, 1515).in("FondReglage"),
        layoutRow("VSlide2", V, 810, 780, 495, 1515).in("FondReglage"),
        layoutRow("VSlide3", V, 1530, 780, 495, 1515).in("FondReglage"),
    };
}

} // namespace

FenColors::FenColors(AppContext &context, QWidget *parent)
    : Form(QStringLiteral("FenColors"), parent)
    , m_context(context)
{
    setWindowTitle(QStringLiteral("Fond d'écran en dégradé de couleurs"));
    build(fenColorsLayout());
    setBackRole(FondFenetres);

    m_mixer = new ColourMixer(context.general,
                              {require<ScrollBar>(QStringLiteral("VSlide1")),
                               require<ScrollBar>(QStringLiteral("VSlide2")),
                               require<ScrollBar>(QStringLiteral("VSlide3"))},
                              {require<PictureBox>(QStringLiteral("Image1")),
                               require<PictureBox>(QStringLiteral("Image2")),
                               require<PictureBox>(QStringLiteral("Image3"))},
                              *require<PictureBox>(QStringLiteral("Image4")), this);

    new WindowDrag(require<ZarnBttn>(QStringLiteral("CmdDeplaceFen")));
    HoverHints::install(*this, context.general);
    auto *ok = require<ZarnBttn>(QStringLiteral("CmdOK"));
    connect(ok, &ZarnBttn::clicked, this, &FenColors::accept);
    connect(ok, &ZarnBttn::mouseDown, this, [this](const ControlMouse &mouse) {
        if (mouse.button == 2)
            SharedProcedures::showHelpTopic(m_context, 13);
    });
    connect(require<ZarnBttn>(QStringLiteral("CmdAnnul")), &ZarnBttn::clicked, this,
            &FenColors::cancel);
}

void FenColors::load()
{
    m_context.windows.add(this);
    paintInRoles(*this, m_context.general);
    setTwipsSize(5460, 3690);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - QPoint(width() / 2, height() / 2));
    m_mixer->load();
}

void FenColors::accept()
{
    const quint32 colour = m_mixer->accept();
    FenFond::loaded(m_context)->setScreenColour(colour);
    m_context.windows.unload(this);
}

void FenColors::cancel()
{
    m_context.windows.unload(this);
}

void FenColors::closeEvent(QCloseEvent *event)
{
    event->accept();
    cancel();
}
