#include "FenMultivu.h"

#include "app/AppContext.h"
#include "app/HoverHints.h"
#include "app/LoadedWindows.h"
#include "app/SharedProcedures.h"
#include "app/WindowColours.h"
#include "app/WindowDrag.h"
#include "controls/ZarnBttn.h"
#include "controls/ZarnPanel.h"
#include "multiview/HandBack.h"
#include "multiview/PaneSelection.h"
#include "sounds/FenMCI.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

namespace {

using enum ColourRole::Role;
constexpr ControlKind B = ControlKind::Button;
constexpr ControlKind P = ControlKind::Panel;
const QString WorkingArea = QStringLiteral("FondFenetre");

// The frame and the working area; the panes go into the working area before the commands.
QList<ControlSpec> frameLayout()
{
    return {
        layoutRow("CmdDeplaceFen", B, 0, 0, 9060, 315)
            .titled(MultiviewPane::plainTitle())
            .hinted(QStringLiteral("Déplacement de la fenêtre"))
            .gradient(DebDegrade, FinDegrade)
            .text(TexteBoutons, Lumiere),
        layoutRow("CmdReduire", B, 9060, 0, 300, 315)
            .titled(QStringLiteral("-"))
            .hinted(QStringLiteral("Réduire"))
            .gradient(DebDegrade, FinDegrade)
            .text(TexteBoutons, Lumiere),
        layoutRow("CmdFermer", B, 9360, 0, 300, 315)
            .titled(QStringLiteral("x"))
            .hinted(QStringLiteral("Fermer"))
            .gradient(DebDegrade, FinDegrade)
            .text(TexteBoutons, Lumiere),
        strip("Forme1", 0, 300, 9660, 315).gradient(FinDegrade, DebDegrade),
        strip("Forme2", 0, 600, 600, 2520).gradient(DebDegrade, FinDegrade),
        strip("Forme3", 0, 3120, 600, 2520).gradient(FinDegrade, DebDegrade),
        strip("Forme4", 9060, 600, 600, 2520).gradient(DebDegrade, FinDegrade),
        strip("Forme5", 9060, 3120, 600, 2520).gradient(FinDegrade, DebDegrade),
        // The information line: its text must show in its colour, not greyed as a disabled
        // strip's would be, so it stays enabled and lets the mouse through instead.
        layoutRow("Forme7", B, 0, 5640, 9660, 315)
            .gradient(DebDegrade, FinDegrade)
            .text(AutresTextes),
        strip("Forme6", 0, 5955, 9660, 315).gradient(FinDegrade, DebDegrade),
        layoutRow("FondFenetre", P, 600, 600, 8475, 5055).gradient(FinDegrade, DebDegrade),
    };
}

// The command column keeps the buttons' own colours.
QList<ControlSpec> commandLayout()
{
    return {
        layoutRow("CmdFicMCI", B, 7680, 180, 600, 600)
            .in("FondFenetre")
            .hinted(QStringLiteral("Appel de la fenêtre de choix de fichiers (un cadre de "
                                   "visualisation doit être sélectionné en cliquant dessus)"))
            .showing(Pictogram::Open),
        layoutRow("CmdInfoAnim", B, 7680, 1020, 600, 600)
            .in("FondFenetre")
            .hinted(QStringLiteral("Informations sur l'animation"))
            .showing(Pictogram::Info),
        layoutRow("CmdRecupG", B, 7680, 1860, 600, 600)
            .in("FondFenetre")
            .hinted(QStringLiteral("Copie l'animation dans la fenêtre d'Kinovue et conserve la "
                                   "fenêtre 'MultiVues' sous forme d'icône dans la barre de "
                                   "tâches"))
            .showing(Pictogram::HandBackKeep),
        layoutRow("CmdRecupF", B, 7680, 2700, 600, 600)
            .in("FondFenetre")
            .hinted(QStringLiteral(
                "Copie l'animation dans la fenêtre d'Kinovue et ferme la fenêtre 'MultiVues'"))
            .showing(Pictogram::HandBackClose),
        layoutRow("CmdPresPap", B, 7680, 3540, 600, 600)
            .in("FondFenetre")
            .hinted(QStringLiteral("Appelle le Presse-papiers de Windows"))
            .showing(Pictogram::Clipboard),
        layoutRow("CmdAide", B, 7680, 4320, 600, 600)
            .in("FondFenetre")
            .hinted(QStringLiteral("Appel de la rubrique d'aide"))
            .showing(Pictogram::Help),
    };
}

} // namespace

FenMultivu::FenMultivu(AppContext &context, QWidget *parent)
    : Form(QStringLiteral("FenMultivu"), parent)
    , m_context(context)
{
    setWindowTitle(MultiviewPane::plainTitle());
    build(frameLayout());
    setBackRole(FondFenetres);
    require<ZarnBttn>(QStringLiteral("Forme7"))->setAttribute(Qt::WA_TransparentForMouseEvents);
    for (int k = 1; k <= MultiviewPane::Count; ++k)
        m_panes[k - 1] = new MultiviewPane(*this, k, WorkingArea, context.engines);
    build(commandLayout());

    m_selection = new PaneSelection(*this, m_panes, context);
    m_handBack = new HandBack(*this, *m_selection, context);
    connect(m_selection, &PaneSelection::fileManagerRequested, this,
            [this] { FenMCI::openModal(m_context); });
    connect(require<ZarnPanel>(WorkingArea), &ZarnPanel::clicked, m_selection,
            &PaneSelection::clear);
    wireCommands();
    new WindowDrag(require<ZarnBttn>(QStringLiteral("CmdDeplaceFen")));
    HoverHints::install(*this, context.general);
}

void FenMultivu::wireCommands()
{
    auto onClick = [this](const char *name, auto action) {
        connect(require<ZarnBttn>(QString::fromUtf8(name)), &ZarnBttn::clicked, this, action);
    };
    onClick("CmdFicMCI", [this] { m_selection->chooseFile(); });
    onClick("CmdInfoAnim", [this] { m_selection->toggleInformation(); });
    onClick("CmdRecupG", [this] { m_handBack->handBackAndKeep(); });
    onClick("CmdRecupF", [this] { m_handBack->handBackAndClose(); });
    onClick("CmdPresPap", [this] { SharedProcedures::ProcPressePapiers(m_context); });
    onClick("CmdAide", [this] { SharedProcedures::showHelpTopic(m_context, 3); });
    onClick("CmdReduire", [this] { setWindowState(windowState() | Qt::WindowMinimized); });
    onClick("CmdFermer", [this] { m_handBack->close(); });
}

void FenMultivu::load()
{
    m_context.windows.add(this);
    paintInRoles(*this, m_context.general);
    setTwipsSize(9660, 6270);
    m_context.general.FichierRecup.clear();
    m_selection->disableAll();
    for (MultiviewPane *pane : m_panes)
        pane->media().setBorderStyle(1);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void FenMultivu::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (m_context.windows.find(objectName()) == this)
        m_handBack->close();
}
