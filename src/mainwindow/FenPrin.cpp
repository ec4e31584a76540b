#include "FenPrin.h"

#include "app/AppContext.h"
#include "app/HoverHints.h"
#include "app/LoadedWindows.h"
#include "app/Modal.h"
#include "app/PreferenceCommands.h"
#include "app/Preferences.h"
#include "app/ProgramClosing.h"
#include "app/SharedProcedures.h"
#include "app/WindowColours.h"
#include "app/WindowDrag.h"
#include "colours/BackgroundScreen.h"
#include "colours/ColourEditor.h"
#include "colours/ConfigurationMenu.h"
#include "controls/ZarnBttn.h"
#include "controls/ZarnPanel.h"
#include "controls/files/DirList.h"
#include "controls/files/DriveList.h"
#include "controls/files/FileList.h"
#include "core/Twips.h"
#include "dialogs/Apropos.h"
#include "dialogs/Conseils.h"
#include "fli/FlicHandover.h"
#include "mainlayout/FenPrinLayout.h"
#include "mainlayout/MainWindowLayout.h"
#include "mainwindow/DesktopOpening.h"
#include "mainwindow/FileDrops.h"
#include "mainwindow/PopUpDismissal.h"
#include "media/MediaWindow.h"
#include "multiview/MultiviewOpener.h"
#include "platform/PassingDialog.h"
#include "player/AnimationInfo.h"
#include "player/FileSelection.h"
#include "player/SettingsPanel.h"
#include "player/Slideshow.h"
#include "player/Transport.h"
#include "player/TransportKeys.h"
#include "sounds/FenMCI.h"
#include "sounds/OutsidePrograms.h"
#include "sounds/SoundPanel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

#include <utility>

FenPrin::FenPrin(AppContext &context, QWidget *parent)
    : Form(QStringLiteral("FenPrin"), parent)
    , m_context(context)
    , m_dialogue1(context.platform.dialogs->create())
    , m_dialogue2(context.platform.dialogs->create())
{
    setWindowTitle(QStringLiteral("Kinovue ST"));
    build(fenPrinLayout());
    setBackRole(ColourRole::FondFenetres);
    // The alternative lower panels keep a built-in start colour of their own.
    for (const char *lower : {"FondRéglages2", "FondSons2", "PSeqAVI2"})
        require<ZarnPanel>(QString::fromUtf8(lower))->setGradientColorStart(0xE0E0E0);
    for (const char *display : {"VitText", "VolText", "ZoomText"})
        require<ZarnPanel>(QString::fromUtf8(display))->setGradientSens(-1);
    dressWarningPanel();
    for (const char *menu : {"PopUpInfos", "mnuSeqAVI", "mnuSeqFLI", "mnuWinMCI"})
        require<ZarnPanel>(QString::fromUtf8(menu))->setVerticalCaption(int(Twips::toPixels(300)));
    createMediaWindows();
    createFileLists();
    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer1.setInterval(1000);
    m_timer2.setObjectName(QStringLiteral("Timer2"));
    m_timer2.setInterval(10);

    m_colourEditor = std::make_unique<ColourEditor>(context, *m_dialogue1);
    m_menu = new ConfigurationMenu(*this, context, *m_colourEditor);
    m_layout = new MainWindowLayout(*this, m_state, *m_mciWnd1);
    m_settings = new SettingsPanel(*this, m_state, *m_mciWnd1);
    m_transport = new Transport(*this, m_state, *m_mciWnd1, m_timer1, *m_settings);
    m_info = new AnimationInfo(*this, m_state, *m_mciWnd1, *m_layout, *m_transport, *m_settings,
                               context);
    m_files = new FileSelection(*this, m_state, *m_mciWnd1, *m_dialogue1, *m_transport, *m_settings,
                                context);
    m_slideshow
        = new Slideshow(*this, m_state, *m_mciWnd1, m_timer1, *m_files, *m_transport, *m_settings);
    m_flic = new FlicHandover(*this, m_state, *m_dialogue1, *m_files, *m_transport, context);
    m_sounds = new SoundPanel(*this, m_state, *m_mciWnd2, m_timer2, *m_dialogue2, context);
    m_outside = new OutsidePrograms(*this, m_state, *m_dialogue1, context);
    m_opening = new DesktopOpening(*this, m_state, *m_mciWnd1, *m_files, *m_slideshow, *m_flic,
                                   *m_sounds, *m_transport);
    new FileDrops(*this, *m_opening);
    new TransportKeys(*this, *m_transport);
    new PopUpDismissal(*this);

    connect(m_menu, &ConfigurationMenu::coloursChanged, this, &FenPrin::ProcCoulDefUtil);
    connect(m_menu, &ConfigurationMenu::imagesRequested, m_outside, &OutsidePrograms::startImages);
    connect(m_settings, &SettingsPanel::restoreRequested, m_layout, &MainWindowLayout::restore);
    connect(m_transport, &Transport::slideshowAllowed, m_files, &FileSelection::allowSlideshow);
    connect(m_files, &FileSelection::slideshowChosen, m_slideshow, &Slideshow::openPanel);
    connect(m_files, &FileSelection::warningRequested, m_slideshow, &Slideshow::showWarning);
    connect(this, &FenPrin::backgroundClicked, m_slideshow, &Slideshow::backgroundClicked);
    connect(m_slideshow, &Slideshow::flicSequenceRequested, m_flic, &FlicHandover::playSequence);
    connect(m_outside, &OutsidePrograms::soundsPanelRequested, m_sounds, &SoundPanel::showPanel);
    connect(m_menu, &ConfigurationMenu::aboutRequested, this, &FenPrin::openAbout);
    m_background = new BackgroundScreen(*this, context, m_state.FondAffiche);
    connect(m_layout, &MainWindowLayout::backgroundWanted, m_background,
            &BackgroundScreen::showAgain);
    connect(m_layout, &MainWindowLayout::backgroundNotWanted, m_background,
            &BackgroundScreen::unload);
    connect(m_outside, &OutsidePrograms::fileManagerRequested, this,
            [this] { FenMCI::openModal(m_context); });
    new MultiviewOpener(*this, context);

    wireTitleBar();
    wireHelp();
    wireLeftColumn();
    HoverHints::install(*this, context.general);
}

void FenPrin::dressWarningPanel()
{
    // Nine paragraphs of plain white text: a regular face keeps them inside their boxes, and
    // a darker end to the panel's own gradient keeps the last ones legible.
    ZarnPanel *warning = require<ZarnPanel>(QStringLiteral("FondAvertissement"));
    warning->setGradientColorEnd(0x404000);
    QFont text(QStringLiteral("Arial"));
    text.setPointSizeF(8);
    text.setBold(false);
    for (int i = 1; i <= 9; ++i) {
        auto *label = require<QLabel>(QStringLiteral("LblAvert%1").arg(i));
        label->setFont(text);
        // A paragraph that needs one more line than its box gets it, rather than being cut.
        const int needed = label->heightForWidth(label->width());
        if (needed > label->height())
            Twips::setHeight(label, Twips::fromPixels(needed));
    }
}

void FenPrin::createMediaWindows()
{
    m_mciWnd1 = new MediaWindow(m_context.engines);
    add(m_mciWnd1, QStringLiteral("MCIWnd1"), {}, QRectF(2580, 3795, 4395, 255));
    m_mciWnd1->hide();
    m_mciWnd2 = new MediaWindow(m_context.engines);
    add(m_mciWnd2, QStringLiteral("MCIWnd2"), QStringLiteral("Forme1"), QRectF(780, 120, 675, 255));
    m_mciWnd2->hide();
}

void FenPrin::createFileLists()
{
    auto *drives = new DriveList;
    add(drives, QStringLiteral("Lecteur1"), QStringLiteral("PSeqAVI"), QRectF(60, 60, 1635, 315));
    auto *folders = new DirList;
    add(folders, QStringLiteral("Répertoire1"), QStringLiteral("PSeqAVI"),
        QRectF(60, 450, 1635, 1440));
    auto *files = new FileList;
    add(files, QStringLiteral("Fichier1"), QStringLiteral("PSeqAVI2"), QRectF(60, 30, 1635, 1845));
    files->setMultiSelect(true);
    files->setPattern(QStringLiteral("*.avi;*.mov"));
    folders->setPath(QDir::currentPath());
    files->setPath(folders->path());
    drives->setDrive(folders->path());
    for (const char *list : {"Lecteur1", "Répertoire1", "Fichier1"})
        setRoles(QString::fromUtf8(list),
                 {.fore = ColourRole::AutresTextes, .back = ColourRole::Visu});
}

void FenPrin::wireLeftColumn()
{
    connect(require<ZarnPanel>(QStringLiteral("CPAVI")), &ZarnPanel::clicked, this,
            [this] { SharedProcedures::ProcSonRessource(m_context, 19); });
    ZarnBttn *restore = require<ZarnBttn>(QStringLiteral("CmdRestaure"));
    connect(restore, &ZarnBttn::clicked, this, [this] { m_layout->restore(); });
    connect(restore, &ZarnBttn::mouseDown, this, [this](const ControlMouse &mouse) {
        if (mouse.button == 2)
            SharedProcedures::ProcPressePapiers(m_context);
    });
    connect(require<ZarnBttn>(QStringLiteral("CmdAideZoom")), &ZarnBttn::clicked, this,
            [this] { SharedProcedures::showHelpTopic(m_context, 2); });
}

FenPrin::~FenPrin() = default;

void FenPrin::wireTitleBar()
{
    new WindowDrag(require<ZarnBttn>(QStringLiteral("CmdDeplaceFen")));
    connect(require<ZarnBttn>(QStringLiteral("CmdReduire")), &ZarnBttn::clicked, this,
            [this] { setWindowState(windowState() | Qt::WindowMinimized); });
    connect(require<ZarnBttn>(QStringLiteral("CmdFermer")), &ZarnBttn::clicked, this,
            [this] { ProgramClosing::closeProgram(m_context); });
}

void FenPrin::wireHelp()
{
    ZarnBttn *help = require<ZarnBttn>(QStringLiteral("CmdAide"));
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
    require<ZarnBttn>(QStringLiteral("CmdDeplaceFen"))->setCaption(g.TitreAppli);
    if (QWidget *splash = m_context.windows.find(QStringLiteral("Demarre2")))
        m_context.windows.unload(splash);

    if (const QScreen *shownOn = screen())
        move(shownOn->geometry().center() - QPoint(width() / 2, height() / 2));
    show();

    Preferences preferences(*m_context.platform.settings, g);
    preferences.readColours();
    ProcCoulDefUtil();

    preferences.readHints();
    require<ZarnBttn>(QStringLiteral("CmdBulAide"))
        ->setCaption(PreferenceCommands::hintsCaption(g.InfoBulles));

    g.FichierAide
        = Platform::joinPath(m_context.platform.programFolder, QStringLiteral("Kinovue.hlp"));

    preferences.readTips();
    require<ZarnBttn>(QStringLiteral("CmdConseilDem"))
        ->setCaption(PreferenceCommands::tipsCaption(g.ConseilDemarrage));

    g.CurseurRouge = g.CurseurVert = g.CurseurBleu = 255;
    m_state.FondAffiche = false;
    m_state.IndexFiltre = 4;
    m_mciWnd1->setShowPlayBar(false);

    const std::pair<const char *, QPointF> panels[] = {
        {"FondRéglages", {0, 600}},   {"PSeqAVI", {0, 600}},    {"FondSons", {0, 600}},
        {"FondRéglages2", {0, 2820}}, {"FondSons2", {0, 2820}}, {"PSeqAVI2", {0, 2520}},
    };
    for (const auto &[name, place] : panels) {
        Twips::move(require<QWidget>(QString::fromUtf8(name)), place.x(), place.y());
    }

    m_loaded = true;
    m_layout->resizeStep();

    if (g.ConseilDemarrage == QStringLiteral("Oui"))
        openTips();
}

void FenPrin::openTips()
{
    auto *tips = new Conseils(m_context);
    tips->load();
    runModal(tips);
}

void FenPrin::openAbout()
{
    auto *about = new Apropos(m_context);
    about->load();
    runModal(about);
}

void FenPrin::activate()
{
    const General &g = m_context.general;
    require<ZarnBttn>(QStringLiteral("CmdDeplaceFen"))->setCaption(g.TitreAppli);
    require<ZarnBttn>(QStringLiteral("CmdConseilDem"))
        ->setCaption(PreferenceCommands::tipsCaption(g.ConseilDemarrage));
    if (g.MultivuesFermee) {
        require<ZarnBttn>(QStringLiteral("CmdMultiVue"))->setEnabled(true);
    }
    if (!g.FichierRecup.isEmpty() && g.ChoixMultivues)
        m_files->openHandedBack(g.FichierRecup);
}

void FenPrin::ProcCoulDefUtil()
{
    paintInRoles(*this, m_context.general);
}

void FenPrin::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange) {
        // A message box or a file dialog of the main window's own handlers is part of what the
        // user is doing here: coming back from it is no return to the main window.
        if (!isActiveWindow())
            m_leftForDialog = PassingDialog::isOne(QApplication::activeWindow());
        else if (!std::exchange(m_leftForDialog, false))
            activate();
    }
    if (event->type() == QEvent::WindowStateChange && m_loaded)
        m_layout->resizeStep();
    Form::changeEvent(event);
}

void FenPrin::resizeEvent(QResizeEvent *event)
{
    Form::resizeEvent(event);
    if (m_loaded)
        m_layout->resizeStep();
}

void FenPrin::closeEvent(QCloseEvent *event)
{
    // Alt+F4, the taskbar or the session ending: the close button's way out.
    event->accept();
    ProgramClosing::closeProgram(m_context);
}

void FenPrin::mousePressEvent(QMouseEvent *event)
{
    Form::mousePressEvent(event);
    m_backgroundPress = event->button() == Qt::LeftButton;
}

void FenPrin::mouseReleaseEvent(QMouseEvent *event)
{
    Form::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && std::exchange(m_backgroundPress, false)
        && rect().contains(event->position().toPoint()))
        emit backgroundClicked();
}
