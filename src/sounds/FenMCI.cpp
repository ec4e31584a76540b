#include "FenMCI.h"

#include "app/AppContext.h"
#include "app/HoverHints.h"
#include "app/LoadedWindows.h"
#include "app/Modal.h"
#include "app/WindowColours.h"
#include "app/WindowDrag.h"
#include "controls/ListBox.h"
#include "controls/ZarnBttn.h"
#include "controls/ZarnPanel.h"
#include "controls/files/DirList.h"
#include "controls/files/DriveList.h"
#include "controls/files/FileList.h"
#include "core/Twips.h"
#include "media/MediaWindow.h"
#include "platform/CommonDialog.h"
#include "sounds/FileBrowsing.h"
#include "sounds/FileCopy.h"
#include "sounds/FileDeletion.h"
#include "sounds/FilePreview.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

namespace {

using enum ColourRole::Role;
constexpr ControlKind B = ControlKind::Button;
constexpr ControlKind P = ControlKind::Panel;

const RoleColours ListColours{.fore = AutresTextes, .back = Visu};

QList<ControlSpec> fenMCILayout()
{
    return {
        layoutRow("CmdDeplaceFen", B, 0, 0, 8880, 315)
            .titled(QStringLiteral("Ouverture"))
            .hinted(QStringLiteral("Déplacement de la fenêtre"))
            .gradient(FinDegrade, DebDegrade)
            .text(TexteBoutons, Lumiere),
        strip("Forme1", 0, 300, 8880, 315).gradient(DebDegrade, FinDegrade),
        strip("Forme2", 0, 600, 600, 1500).gradient(FinDegrade, DebDegrade),
        strip("Forme3", 0, 2100, 600, 1500).gradient(DebDegrade, FinDegrade),
        strip("Forme4", 8280, 600, 600, 1500).gradient(FinDegrade, DebDegrade),
        strip("Forme5", 8280, 2100, 600, 1500).gradient(DebDegrade, FinDegrade),
        // The status line: a band with a caption, so an enabled button that takes no mouse.
        layoutRow("Forme7", B, 0, 3600, 8880, 315)
            .gradient(FinDegrade, DebDegrade)
            .text(AutresTextes, AutresTextes),
        strip("Forme6", 0, 3900, 8880, 315).gradient(DebDegrade, FinDegrade),
        layoutRow("Fond", P, 600, 600, 7695, 3015).gradient(DebDegrade, FinDegrade),
        layoutRow("CmdCopier", B, 2220, 660, 480, 600)
            .in("Fond")
            .hinted(QStringLiteral("Copie de l'animation ou du son sélectionné"))
            .showing(Pictogram::Copy)
            .disabled(),
        layoutRow("CmdSupprim", B, 2220, 2280, 480, 600)
            .in("Fond")
            .hinted(
                QStringLiteral("Suppression du fichier d'animation ou du fichier son sélectionné"))
            .showing(Pictogram::Trash)
            .disabled(),
        layoutRow("CmdOK", B, 5220, 60, 480, 480)
            .in("Fond")
            .hinted(QStringLiteral("OK"))
            .showing(Pictogram::Ok),
        layoutRow("CmdAnnul", B, 5820, 60, 480, 480)
            .in("Fond")
            .hinted(QStringLiteral("Annuler"))
            .showing(Pictogram::Cancel),
        layoutRow("CmdPlay", B, 6420, 60, 480, 480)
            .in("Fond")
            .hinted(QStringLiteral("Jouer l'animation (ou le son)à l'ouverture du fichier"))
            .showing(Pictogram::Play),
        layoutRow("CmdStop", B, 7080, 60, 480, 480)
            .in("Fond")
            .hinted(QStringLiteral("Ne pas jouer l'animation (ou le son)à l'ouverture du fichier"))
            .showing(Pictogram::Stop),
        layoutRow("FondAnim", P, 5220, 600, 2355, 2295).in("Fond").gradient(FinDegrade, DebDegrade),
    };
}

} // namespace

FenMCI::FenMCI(AppContext &context, QWidget *parent)
    : Form(QStringLiteral("FenMCI"), parent)
    , m_context(context)
    , m_mode(FileManagerMode::of(context.general.ChoixMultivues))
    , m_dialogue1(context.platform.dialogs->create())
{
    setWindowTitle(QStringLiteral("Ouverture"));
    build(fenMCILayout());
    setBackRole(FondFenetres);
    require<ZarnBttn>(QStringLiteral("Forme7"))->setAttribute(Qt::WA_TransparentForMouseEvents);
    require<ZarnPanel>(QStringLiteral("FondAnim"))->setBorderStyle(1);

    const QString fond = QStringLiteral("Fond");
    add(new DriveList, QStringLiteral("Lecteur1"), fond, QRectF(60, 60, 2115, 315));
    add(new DirList, QStringLiteral("Répertoire1"), fond, QRectF(60, 540, 2115, 2340));
    add(new ListBox, QStringLiteral("List1"), fond, QRectF(2280, 60, 2835, 450));
    add(new FileList, QStringLiteral("Fichier1"), fond, QRectF(2760, 630, 2355, 2235));
    for (const char *list : {"Lecteur1", "Répertoire1", "List1", "Fichier1"})
        setRoles(QString::fromUtf8(list), ListColours);
    m_preview = new MediaWindow(context.engines);
    add(m_preview, QStringLiteral("MCIWnd1"), fond, QRectF(5250, 2640, 2295, 240));
    m_preview->hide();

    m_browsing = new FileBrowsing(*this, m_mode, context);
    m_previewing = new FilePreview(*this, m_state, m_mode, *m_preview, context);
    m_copy = new FileCopy(this, m_mode, *m_dialogue1, context);
    m_deletion = new FileDeletion(*this, *m_preview, context);

    new WindowDrag(require<ZarnBttn>(QStringLiteral("CmdDeplaceFen")));
    HoverHints::install(*this, context.general);
    connect(require<ZarnBttn>(QStringLiteral("CmdPlay")), &ZarnBttn::clicked, m_previewing,
            [this] { m_previewing->setPlayOnOpen(true); });
    connect(require<ZarnBttn>(QStringLiteral("CmdStop")), &ZarnBttn::clicked, m_previewing,
            [this] { m_previewing->setPlayOnOpen(false); });
    connect(require<ZarnBttn>(QStringLiteral("CmdCopier")), &ZarnBttn::clicked, m_copy,
            &FileCopy::copyChosenFile);
    connect(require<ZarnBttn>(QStringLiteral("CmdSupprim")), &ZarnBttn::clicked, m_deletion,
            &FileDeletion::deleteChosenFile);
    connect(require<ZarnBttn>(QStringLiteral("CmdOK")), &ZarnBttn::clicked, this,
            &FenMCI::keepChoice);
    connect(require<ZarnBttn>(QStringLiteral("CmdAnnul")), &ZarnBttn::clicked, this,
            &FenMCI::dropChoice);
    connect(m_previewing, &FilePreview::closeRequested, this, &FenMCI::keepChoice);
}

FenMCI::~FenMCI() = default;

void FenMCI::openModal(AppContext &context)
{
    auto *window = new FenMCI(context);
    window->load();
    runModal(window);
}

void FenMCI::load()
{
    m_context.windows.add(this);
    paintInRoles(*this, m_context.general);
    setTwipsSize(8880, 4215);
    m_preview->setBorderStyle(1);
    placeBesideCaller();
    m_browsing->start();
    m_state.JouerOuverture = false;
    require<ZarnBttn>(QStringLiteral("CmdCopier"))->setEnabled(false);
    require<ZarnBttn>(QStringLiteral("CmdSupprim"))->setEnabled(false);
}

void FenMCI::placeBesideCaller()
{
    const QPoint offset(int(Twips::toPixels(300)), int(Twips::toPixels(300)));
    if (const QWidget *caller = m_context.windows.find(m_mode.callerName)) {
        move(caller->pos() - offset);
        return;
    }
    // Loaded on its own (tools): the middle of the screen.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - QPoint(width() / 2, height() / 2));
}

void FenMCI::keepChoice()
{
    if (m_unloading)
        return;
    m_unloading = true;
    m_context.windows.unload(this);
}

void FenMCI::dropChoice()
{
    if (m_unloading)
        return;
    m_context.general.FichierChoisi.clear();
    keepChoice();
}

void FenMCI::closeEvent(QCloseEvent *event)
{
    event->ignore();
    dropChoice();
}
