#include "FenPrin.h"

#include "app/AppContext.h"
#include "app/HoverHints.h"
#include "app/LoadedWindows.h"
#include "app/Modal.h"
#include "app/PreferenceCommands.h"
#include "app/Preferences.h"
#include "app/ProgramClosing.h"
#include "app/SharedProcedures.h"
#include "app/WindowDrag.h"
#include "colours/ColourEditor.h"
#include "colours/ColourScheme.h"
#include "colours/ConfigurationMenu.h"
#include "controls/ZarnBttn.h"
#include "controls/ZarnPanel.h"
#include "core/Twips.h"
#include "dialogs/Conseils.h"
#include "mainwindow/FenPrinLayout.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>

FenPrin::FenPrin(AppContext &context, QWidget *parent)
    : Form(QStringLiteral("FenPrin"), parent)
    , m_context(context)
    , m_dialog(context.platform.dialogs->create())
{
    setWindowTitle(QStringLiteral("Kinovue ST"));
    build(fenPrinLayout());
    for (const char *display : {"VitText", "VolText", "ZoomText"})
        panel(QString::fromUtf8(display))->setGradientSens(-1);

    m_colourEditor = std::make_unique<ColourEditor>(context, *m_dialog);
    m_menu = new ConfigurationMenu(*this, context, *m_colourEditor);
    m_menu->repaint = [this] {
        ProcCoulDefUtil();
    };

    wireTitleBar();
    wireHelp();
    HoverHints::install(*this, context.general);
}

FenPrin::~FenPrin() = default;

void FenPrin::wireTitleBar()
{
    new WindowDrag(button(QStringLiteral("CmdDeplaceFen")));
    connect(button(QStringLiteral("CmdReduire")), &ZarnBttn::clicked, this,
            [this] { setWindowState(windowState() | Qt::WindowMinimized); });
    connect(button(QStringLiteral("CmdFermer")), &ZarnBttn::clicked, this,
            [this] { ProgramClosing::closeProgram(m_context); });
}

void FenPrin::wireHelp()
{
    ZarnBttn *help = button(QStringLiteral("CmdAide"));
    connect(help, &ZarnBttn::clicked, this, [this] {
        m_menu->hide();
        SharedProcedures::showHelpFile(m_context);
    });
    connect(help, &ZarnBttn::mouseDown, this, [this](const ControlMouse &mouse) {
        if (mouse.button == 2)
            SharedProcedures::showHelpTopic(m_context, 1);
    });
}

void FenPrin::load()
{
    General &g = m_context.general;
    m_context.windows.add(this);
    setTwipsSize(8460, 5670);
    button(QStringLiteral("CmdDeplaceFen"))->setCaption(g.TitreAppli);
    if (QWidget *splash = m_context.windows.find(QStringLiteral("Demarre2")))
        m_context.windows.unload(splash);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - QPoint(width() / 2, height() / 2));
    show();

    Preferences preferences(*m_context.platform.settings, g);
    preferences.readColours();
    ProcCoulDefUtil();

    preferences.readHints();
    button(QStringLiteral("CmdBulAide"))
        ->setCaption(PreferenceCommands::hintsCaption(g.InfoBulles));

    g.FichierAide
        = Platform::joinPath(m_context.platform.programFolder, QStringLiteral("Kinovue.hlp"));

    preferences.readTips();
    button(QStringLiteral("CmdConseilDem"))
        ->setCaption(PreferenceCommands::tipsCaption(g.ConseilDemarrage));

    g.CurseurRouge = g.CurseurVert = g.CurseurBleu = 255;
    m_state.FondAffiche = false;
    m_state.IndexFiltre = 4;

    const std::pair<const char *, QPointF> panels[] = {
        {"FondRéglages", {0, 600}},   {"PSeqAVI", {0, 600}},    {"FondSons", {0, 600}},
        {"FondRéglages2", {0, 2820}}, {"FondSons2", {0, 2820}}, {"PSeqAVI2", {0, 2520}},
    };
    for (const auto &[name, place] : panels) {
        if (QWidget *p = control(QString::fromUtf8(name)))
            Twips::move(p, place.x(), place.y());
    }

    if (g.ConseilDemarrage == QStringLiteral("Oui"))
        openTips();
}

void FenPrin::openTips()
{
    auto *tips = new Conseils(m_context);
    tips->load();
    runModal(tips);
}

void FenPrin::activate()
{
    const General &g = m_context.general;
    button(QStringLiteral("CmdDeplaceFen"))->setCaption(g.TitreAppli);
    button(QStringLiteral("CmdConseilDem"))
        ->setCaption(PreferenceCommands::tipsCaption(g.ConseilDemarrage));
    if (g.MultivuesFermee) {
        if (ZarnBttn *multiview = button(QStringLiteral("CmdMultiVue")))
            multiview->setEnabled(true);
    }
}

void FenPrin::ProcCoulDefUtil()
{
    ColourScheme::applyToMainWindow(*this, m_context.general);
}

void FenPrin::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        activate();
    Form::changeEvent(event);
}
