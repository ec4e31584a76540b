#include "Apropos.h"

#include "app/AppContext.h"
#include "app/HoverHints.h"
#include "app/LoadedWindows.h"
#include "app/WindowColours.h"
#include "app/WindowDrag.h"
#include "controls/PictureBox.h"
#include "controls/ZarnBttn.h"
#include "dialogs/CreditsScroller.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

const QString Apropos::SiteAddress = QStringLiteral("https://kinovue.example.org");

namespace {

using enum ColourRole::Role;
constexpr ControlKind B = ControlKind::Button;
constexpr ControlKind I = ControlKind::Picture;

QList<ControlSpec> aproposLayout()
{
    return {
        layoutRow("CmdDeplaceFen", B, 0, 0, 5040, 315)
            .titled(QStringLiteral("A propos d'Kinovue ST"))
            .hinted(QStringLiteral("Déplacement de la fenêtre"))
            .gradient(DebDegrade, FinDegrade)
            .text(TexteBoutons, Lumiere),
        layoutRow("CmdFermer", B, 5040, 0, 300, 315)
            .titled(QStringLiteral("x"))
            .hinted(QStringLiteral("Fermer"))
            .gradient(DebDegrade, FinDegrade)
            .text(TexteBoutons, Lumiere),
        strip("Forme1", 0, 300, 5340, 315).gradient(FinDegrade, DebDegrade),
        strip("Forme2", 0, 600, 600, 1200).gradient(DebDegrade, FinDegrade),
        strip("Forme3", 0, 1800, 600, 1200).gradient(FinDegrade, DebDegrade),
        strip("Forme4", 4740, 600, 600, 1200).gradient(DebDegrade, FinDegrade),
        strip("Forme5", 4740, 1800, 600, 1200).gradient(FinDegrade, DebDegrade),
        layoutRow("Image1", I, 585, 600, 4155, 2355).background(Visu),
        layoutRow("Image2", I, 0, 0, 4155, 2355).in("Image1").text(AutresTextes).background(Visu),
        layoutRow("CmdSite", B, 0, 2940, 5340, 315)
            .titled(QStringLiteral("Visitez le site de Kinovue ST : kinovue.example.org"))
            .gradient(DebDegrade, FinDegrade)
            .text(TexteBoutons, Lumiere),
        strip("Forme6", 0, 3240, 5340, 315).gradient(FinDegrade, DebDegrade),
    };
}

} // namespace

Apropos::Apropos(AppContext &context, QWidget *parent)
    : Form(QStringLiteral("Apropos"), parent)
    , m_context(context)
{
    setWindowTitle(QStringLiteral("A propos d'Kinovue ST"));
    build(aproposLayout());
    setBackRole(FondFenetres);
    m_minuterie1.setObjectName(QStringLiteral("Minuterie1"));

    auto *credits = require<PictureBox>(QStringLiteral("Image2"));
    credits->setPictogram(Pictogram::Film, 32);
    m_scroller = new CreditsScroller(*require<PictureBox>(QStringLiteral("Image1")), *credits,
                                     m_minuterie1, this);

    new WindowDrag(require<ZarnBttn>(QStringLiteral("CmdDeplaceFen")));
    HoverHints::install(*this, context.general);
    connect(require<ZarnBttn>(QStringLiteral("CmdFermer")), &ZarnBttn::clicked, this,
            &Apropos::closeBox);
    connect(require<ZarnBttn>(QStringLiteral("CmdSite")), &ZarnBttn::clicked, this,
            [this] { m_context.platform.urls->open(SiteAddress); });
}

void Apropos::load()
{
    m_context.windows.add(this);
    paintInRoles(*this, m_context.general);
    setTwipsSize(5340, 3555);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - QPoint(width() / 2, height() / 2));
    QFont font(QStringLiteral("Verdana"), 10);
    font.setBold(true);
    require<PictureBox>(QStringLiteral("Image2"))->setFont(font);
    m_scroller->ProcDefilement();
}

void Apropos::closeBox()
{
    m_minuterie1.stop();
    m_context.windows.unload(this);
}

void Apropos::closeEvent(QCloseEvent *event)
{
    event->accept();
    closeBox();
}
