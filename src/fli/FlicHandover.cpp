#include "FlicHandover.h"

#include "app/AppContext.h"
#include "app/DosProgram.h"
#include "app/SharedProcedures.h"
#include "controls/Form.h"
#include "controls/ZarnBttn.h"
#include "controls/files/FileList.h"
#include "core/Logging.h"
#include "core/Twips.h"
#include "fli/FlicCommands.h"
#include "mainwindow/FenPrinState.h"
#include "platform/CommonDialog.h"
#include "player/FileSelection.h"

#include <QDir>
#include <QPointer>

const QString FlicHandover::ModuleTitle = QStringLiteral("Kinovue ST - Animations FLC et FLI");
const QString FlicHandover::ModuleApplication = QStringLiteral("Velmora");
const QString FlicHandover::FlicPattern = QStringLiteral("*.flc;*.fli");

FlicHandover::FlicHandover(Form &window, FenPrinState &state, CommonDialog &dialog,
                           FileSelection &files, AppContext &context)
    : QObject(&window)
    , m_window(window)
    , m_state(state)
    , m_dialog(dialog)
    , m_selection(files)
    , m_context(context)
    , m_files(window.get<FileList>(QStringLiteral("Fichier1")))
{
    connect(window.button(QStringLiteral("CmdFLI")), &ZarnBttn::clicked, this,
            &FlicHandover::startOrRaiseModule);
    connect(window.button(QStringLiteral("CmdFLI1")), &ZarnBttn::clicked, this,
            &FlicHandover::toggleMenu);
    connect(window.button(QStringLiteral("mnuFich1FLI")), &ZarnBttn::clicked, this,
            [this] { playOneFile(FlicCommands::Once); });
    connect(window.button(QStringLiteral("mnuFichRepFLI")), &ZarnBttn::clicked, this,
            [this] { playOneFile(FlicCommands::Endless); });
    connect(window.button(QStringLiteral("mnuToutRepFLI")), &ZarnBttn::clicked, this,
            [this] { openSequencePanel(true); });
    connect(window.button(QStringLiteral("mnuSelecFicFLI")), &ZarnBttn::clicked, this,
            [this] { openSequencePanel(false); });
    connect(window.button(QStringLiteral("mnuListFicFLI")), &ZarnBttn::clicked, this,
            &FlicHandover::openListPanel);
    connect(window.button(QStringLiteral("mnuAideFLI")), &ZarnBttn::clicked, this, [this] {
        hideMenu();
        SharedProcedures::showHelpTopic(m_context, 14);
    });
    connect(window.button(QStringLiteral("mnuAnnulFLI")), &ZarnBttn::clicked, this,
            &FlicHandover::hideMenu);
}

void FlicHandover::hideMenu()
{
    m_window.control(QStringLiteral("mnuSeqFLI"))->hide();
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
    QWidget *menu = m_window.control(QStringLiteral("mnuSeqFLI"));
    if (!menu->isHidden()) {
        menu->hide();
        return;
    }
    Twips::move(menu, 1800, 2760);
    menu->show();
    menu->raise();
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
    m_state.ModeSelection = !wholeFolder;
    m_state.ModeDossier = wholeFolder;
    m_state.ModeListe = false;
    m_state.SeqAVI = false;
    m_state.SeqFLI = true;
    for (const char *name : {"PSeqAVI", "PSeqAVI2"}) {
        QWidget *panel = m_window.control(QString::fromUtf8(name));
        panel->raise();
        panel->show();
    }
    m_files->setPattern(FlicPattern);
    m_window.control(QStringLiteral("Répertoire1"))->setFocus();
}

void FlicHandover::openListPanel()
{
    hideMenu();
    m_window.control(QStringLiteral("ButAVI"))->hide();
    m_window.control(QStringLiteral("PSeqAVI"))->show();
    m_window.control(QStringLiteral("PSeqAVI2"))->show();
    m_state.ModeListe = true;
    m_files->setPattern(FlicPattern);
    m_window.control(QStringLiteral("Répertoire1"))->setFocus();
}

void FlicHandover::playSequence()
{
    // The names are read first: the list may change while the players run.
    QStringList chosen;
    for (int i = 0; i < m_files->listCount(); ++i) {
        if (m_files->selected(i))
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
