#include "Conseils.h"

#include "app/AppContext.h"
#include "app/HoverHints.h"
#include "app/LoadedWindows.h"
#include "app/Preferences.h"
#include "app/WindowColours.h"
#include "app/WindowDrag.h"
#include "controls/ZarnBttn.h"
#include "controls/ZarnPanel.h"
#include "core/Colour.h"
#include "core/SettingsKeys.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace {

using enum ColourRole::Role;
constexpr ControlKind B = ControlKind::Button;
constexpr ControlKind P = ControlKind::Panel;

} // namespace

Conseils::Conseils(AppContext &context, QWidget *parent)
    : Form(QStringLiteral("Conseils"), parent)
    , m_context(context)
{
    setWindowTitle(QStringLiteral("Kinovue ST - Conseil du jour"));
    build({
        layoutRow("CmdDeplaceFen", B, 0, 0, 5880, 315)
            .titled(QStringLiteral("Kinovue ST - Conseil du jour"))
            .hinted(QStringLiteral("Déplacement de la fenêtre"))
            .gradient(DebDegrade, FinDegrade)
            .text(TexteBoutons, Lumiere),
        strip("Forme1", 0, 300, 5880, 315).gradient(FinDegrade, DebDegrade),
        strip("Forme2", 0, 600, 600, 1200).gradient(DebDegrade, FinDegrade),
        strip("Forme3", 0, 1800, 600, 1170).gradient(FinDegrade, DebDegrade),
        strip("Forme4", 5280, 600, 600, 1200).gradient(DebDegrade, FinDegrade),
        strip("Forme5", 5280, 1800, 600, 1170).gradient(FinDegrade, DebDegrade),
        layoutRow("Picture1", P, 600, 600, 4695, 1650).background(Visu),
        layoutRow("CmdOK", B, 600, 2250, 2340, 480)
            .titled(QStringLiteral("OK"))
            .gradient(DebDegrade, FinDegrade)
            .text(TexteBoutons, Lumiere),
        layoutRow("CmdNextTip", B, 2940, 2250, 2340, 480)
            .titled(QStringLiteral("Conseil suivant"))
            .gradient(FinDegrade, DebDegrade)
            .text(TexteBoutons, Lumiere),
        layoutRow("Label1", P, 600, 2730, 4680, 255).background(FondFenetres),
        strip("Forme6", 0, 2970, 5880, 315).gradient(DebDegrade, FinDegrade),
        strip("Forme7", 0, 3285, 5880, 315).gradient(FinDegrade, DebDegrade),
    });
    setBackRole(FondFenetres);
    require<ZarnPanel>(QStringLiteral("Picture1"))->setGradientSens(-1);
    require<ZarnPanel>(QStringLiteral("Label1"))->setGradientSens(-1);

    m_tipText = new QLabel;
    m_tipText->setWordWrap(true);
    m_tipText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_tipText->setFont(QFont(QStringLiteral("Verdana"), 9));
    add(m_tipText, QStringLiteral("lblTipText"), QStringLiteral("Picture1"),
        QRectF(540, 180, 3855, 1275));
    auto *icon = new ZarnBttn;
    icon->setPicture(Pictogram::Info);
    icon->setEnabled(false);
    add(icon, QStringLiteral("ImgConseil"), QStringLiteral("Picture1"), QRectF(60, 180, 420, 420));

    m_startup = new QCheckBox(QStringLiteral("Afficher les conseils à l'ouverture"));
    add(m_startup, QStringLiteral("chkLoadTipsAtStartup"), {}, QRectF(1575, 2760, 3675, 195));

    new WindowDrag(require<ZarnBttn>(QStringLiteral("CmdDeplaceFen")));
    HoverHints::install(*this, context.general);
    connect(require<ZarnBttn>(QStringLiteral("CmdOK")), &ZarnBttn::clicked, this,
            [this] { m_context.windows.unload(this); });
    connect(require<ZarnBttn>(QStringLiteral("CmdNextTip")), &ZarnBttn::clicked, this, [this] {
        if (m_tips.isEmpty())
            return;
        m_tips.next();
        showCurrentTip();
    });
    connect(m_startup, &QCheckBox::clicked, this, &Conseils::startupChoiceClicked);
}

void Conseils::closeEvent(QCloseEvent *event)
{
    // Closed from the desktop: as OK does.
    event->accept();
    m_context.windows.unload(this);
}

void Conseils::load()
{
    m_context.windows.add(this);
    applyColours();
    setTwipsSize(5880, 3600);
    // Over the main window's screen, where the user is looking.
    const QWidget *main = m_context.windows.find(QStringLiteral("FenPrin"));
    if (const QScreen *screen = main ? main->screen() : QGuiApplication::primaryScreen())
        move(screen->geometry().center() - QPoint(width() / 2, height() / 2));
    Preferences(*m_context.platform.settings, m_context.general).readTips();
    m_startup->setChecked(m_context.general.ConseilDemarrage == SettingsKeys::Yes);
    const QString path
        = Platform::joinPath(m_context.platform.programFolder, QStringLiteral("Conseils.txt"));
    if (m_tips.load(path)) {
        m_tips.pickRandom(*m_context.platform.random);
        showCurrentTip();
    } else {
        m_tipText->setText(TipsBook::missingFileMessage());
    }
}

QString Conseils::tipText() const
{
    return m_tipText->text();
}

void Conseils::showCurrentTip()
{
    if (!m_tips.isEmpty())
        m_tipText->setText(m_tips.currentTip());
}

void Conseils::startupChoiceClicked()
{
    m_context.general.ConseilDemarrage
        = m_startup->isChecked() ? SettingsKeys::Yes : SettingsKeys::No;
    Preferences(*m_context.platform.settings, m_context.general).writeTips();
}

void Conseils::applyColours()
{
    paintInRoles(*this, m_context.general);
    const General &g = m_context.general;
    const QColor fond = Colour::toQColor(g.colour(General::FondFenetres));
    const QColor visu = Colour::toQColor(g.colour(General::Visu));
    QPalette tipPalette = m_tipText->palette();
    tipPalette.setColor(QPalette::WindowText, Colour::toQColor(g.colour(General::AutresTextes)));
    tipPalette.setColor(QPalette::Window, visu);
    m_tipText->setPalette(tipPalette);
    m_tipText->setAutoFillBackground(true);
    // The box lets the plain strip behind it show through, in the window's colour.
    QPalette boxPalette = m_startup->palette();
    boxPalette.setColor(QPalette::Window, fond);
    boxPalette.setColor(QPalette::WindowText, Colour::toQColor(g.colour(General::AutresTextes)));
    m_startup->setPalette(boxPalette);
    m_startup->setAutoFillBackground(false);
}
