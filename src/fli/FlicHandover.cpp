#include "FlicHandover.h"

#include "app/AppContext.h"
#include "app/DosProgram.h"
#include "app/SharedProcedures.h"
#include "controls/Form.h"
#include "controls/ZarnBttn.h"
#include "controls/ZarnPanel.h"
#include "controls/files/FileList.h"
#include "core/Logging.h"
#include "core/Twips.h"
#include "fli/FlicCommands.h"
#include "mainlayout/FenPrinState.h"
#include "platform/CommonDialog.h"
#include "player/FileSelection.h"
#include "player/Transport.h"

#include <QDir>
#include <QPointer>

const QString FlicHandover::ModuleTitle = QStringLiteral("Kinovue ST - Animations FLC et FLI");
const QString FlicHandover::ModuleApplication = QStringLiteral("Velmora");
const QString FlicHandover::FlicPattern = QStringLiteral("*.flc;*.fli");

FlicHandover::FlicHandover(Form &window, FenPrinState &state, CommonDialog &dialog,
                           FileSelection &files, Transport &transport, AppContext &context)
    : QObject(&window)
    , m_window(window)
    , m_state(state)
    , m_dialog(dialog)
    , m_selection(files)
    , m_transport(transport)
    , m_context(context)
    , m_files(files.files())
    , m_menu(window.require<ZarnPanel>(QStringLiteral("mnuSeqFLI")))
{
    connect(window.require<ZarnBttn>(QStringLiteral("CmdFLI")), &ZarnBttn::clicked, this,
            &FlicHandover::startOrRaiseModule);
    connect(window.require<ZarnBttn>(QStringLiteral("CmdFLI1")), &ZarnBttn::clicked, this,
            &FlicHandover::toggleMenu);
    connect(window.require<ZarnBttn>(QStringLiteral("mnuFich1FLI")), &ZarnBttn::clicked, this,
            [this] { playOneFile(FlicCommands::Once); });
    connect(window.require<ZarnBttn>(QStringLiteral("mnuFichRepFLI")), &ZarnBttn::clicked, this,
            [this] { playOneFile(FlicCommands::Endless); });
    connect(window.require<ZarnBttn>(QStringLiteral("mnuToutRepFLI")), &ZarnBttn::clicked, this,
            [this] { openSequencePanel(true); });
    connect(window.require<ZarnBttn>(QStringLiteral("mnuSelecFicFLI")), &ZarnBttn::clicked, this,
            [this] { openSequencePanel(false); });
    connect(window.require<ZarnBttn>(QStringLiteral("mnuListFicFLI")), &ZarnBttn::clicked, this,
            &FlicHandover::openListPanel);
    connect(window.require<ZarnBttn>(QStringLiteral("mnuAideFLI")), &ZarnBttn::clicked, this,
            [this] {
                hideMenu();
                SharedProcedures::showHelpTopic(m_context, 14);
            });
    connect(window.require<ZarnBttn>(QStringLiteral("mnuAnnulFLI")), &ZarnBttn::clicked, this,
            &FlicHandover::hideMenu);
}

void FlicHandover::hideMenu()
{
    m_menu->hide();
}

void FlicHandover::startOrRaiseModule()
{
    WindowServices &windows = *m_context.platform.windows;
    if (windows.findTopLevel(ModuleTitle)) {
        windows.activate(ModuleTitle);
        return;
    }
    const LaunchResult result = m_context.platform.launcher->start(
        FlicCommands::module(m_context.platform.programFolder, QDir::separator()));
    if (result.status != LaunchStatus::Started)
        qCDebug(lcApp) << "FLC/FLI module not started";
}

void FlicHandover::toggleMenu()
{
    if (!m_menu->isHidden()) {
        m_menu->hide();
        return;
    }
    Twips::move(m_menu, 1800, 2760);
    m_menu->show();
    m_menu->raise();
}

void FlicHandover::playOneFile(int count)
{
    hideMenu();
    CommonDialogState &d = m_dialog.state();
    d.flags = 4;
    d.cancelError = false;
    d.title = QStringLiteral("Nom du fichier FLC ou FLI");
    d.filter = QStringLiteral("Animations FLC et FLI|*.flc;*.fli|Tous les fichiers (*.*)|*.*");
    d.filterIndex = m_state.IndexFiltre;
    m_dialog.showOpen();
    const LaunchResult result = m_context.platform.launcher->start(FlicCommands::player(
        m_context.platform.programFolder, QDir::separator(), d.fileName, count));
    if (result.status != LaunchStatus::Started)
        qCDebug(lcApp) << "FLC/FLI player not started";
}

void FlicHandover::openSequencePanel(bool wholeFolder)
{
    hideMenu();
    m_state.chooseSequence(PanelSequence::SeqFLI, wholeFolder);
    m_selection.openPanel(FlicPattern);
}

void FlicHandover::openListPanel()
{
    hideMenu();
    m_transport.showBar(false);
    m_state.ModeListe = true;
    m_selection.openPanel(FlicPattern, false);
}

void FlicHandover::playSequence()
{
    // The names are read first: the list may change while the players run.
    QStringList chosen;
    for (int i = 0; i < m_files.listCount(); ++i) {
        if (m_files.selected(i))
            chosen << m_selection.fullName(i);
    }
    // The wait keeps the window alive to the user, who may close the program meanwhile.
    const QPointer<FlicHandover> alive(this);
    for (const QString &file : std::as_const(chosen)) {
        const LaunchCommand command = FlicCommands::player(
            m_context.platform.programFolder, QDir::separator(), file, FlicCommands::Endless);
        if (DosProgram::ProcLanceDOS(m_context, m_window, command)
                == DosProgram::Outcome::NotStarted
            || !alive || !m_window.isVisible())
            return;
    }
}
