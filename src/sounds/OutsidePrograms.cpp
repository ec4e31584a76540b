#include "OutsidePrograms.h"

#include "app/AppContext.h"
#include "controls/Form.h"
#include "controls/ZarnBttn.h"
#include "controls/ZarnPanel.h"
#include "core/Logging.h"
#include "core/Twips.h"
#include "mainlayout/FenPrinState.h"
#include "platform/CommonDialog.h"

#include <QDir>

namespace {

struct FixedProgram
{
    const char *button;
    const char *commandLine; // relative to the program folder when it starts with "sb16"
};

const FixedProgram SoundCardTools[] = {
    {"CmdSTWave", "sb16/ctwave.exe"},  {"CmdMix", "sb16/ctmixer.exe"},
    {"CmdTelecom", "sb16/remote.exe"}, {"CmdWave", "sb16/ctwav.exe"},
    {"CmdMidi", "sb16/ctmidi.exe"},    {"CmdCD", "sb16/ctcd.exe"},
};

const FixedProgram SystemPrograms[] = {
    {"CmdSoundrec", "sndrec32.exe"},
    {"CmdMP3", "C:\\Program Files\\Windows Media Player\\mplayer2.exe"},
    {"CmdMPlayer", "mplayer.exe "},
};

} // namespace

OutsidePrograms::OutsidePrograms(Form &window, FenPrinState &state, CommonDialog &dialog,
                                 AppContext &context)
    : QObject(&window)
    , m_state(state)
    , m_dialog(dialog)
    , m_context(context)
    , m_menu(window.require<ZarnPanel>(QStringLiteral("mnuWinMCI")))
    , m_soundsItem(window.require<ZarnBttn>(QStringLiteral("mnuMusicSons")))
{
    for (const FixedProgram &tool : SoundCardTools) {
        const QString line = inProgramFolder(QString::fromUtf8(tool.commandLine));
        connect(window.require<ZarnBttn>(QString::fromUtf8(tool.button)), &ZarnBttn::clicked, this,
                [this, line] { start(line); });
    }
    for (const FixedProgram &program : SystemPrograms) {
        const QString line = QString::fromUtf8(program.commandLine);
        connect(window.require<ZarnBttn>(QString::fromUtf8(program.button)), &ZarnBttn::clicked,
                this, [this, line] { start(line); });
    }
    connect(window.require<ZarnBttn>(QStringLiteral("CmdSoundrec")), &ZarnBttn::mouseDown, this,
            [this](const ControlMouse &mouse) {
                if (mouse.button == 2)
                    start(QStringLiteral("sndvol32.exe "));
            });
    connect(window.require<ZarnBttn>(QStringLiteral("CmdSonMCI")), &ZarnBttn::clicked, this,
            [this] { togglePlayersMenu(false); });
    connect(window.require<ZarnBttn>(QStringLiteral("CmdMPAvi")), &ZarnBttn::clicked, this,
            [this] { togglePlayersMenu(true); });
    connect(window.require<ZarnBttn>(QStringLiteral("mnuActiveMovie")), &ZarnBttn::clicked, this,
            [this] {
                playWith(QStringLiteral("C:\\WINDOWS\\RUNDLL32.EXE"),
                         {QStringLiteral("C:\\WINDOWS\\SYSTEM\\amovie.ocx,RunDll"),
                          QStringLiteral("/play")});
            });
    connect(window.require<ZarnBttn>(QStringLiteral("mnuLectMulti")), &ZarnBttn::clicked, this,
            [this] {
                hideMenu();
                start(QStringLiteral("mplayer.exe "));
            });
    connect(window.require<ZarnBttn>(QStringLiteral("mnuMPlayer")), &ZarnBttn::clicked, this,
            [this] {
                playWith(QStringLiteral("C:\\Program Files\\Windows Media Player\\mplayer2.exe"),
                         {QStringLiteral("/play")});
            });
    connect(window.require<ZarnBttn>(QStringLiteral("mnuWMPlayer")), &ZarnBttn::clicked, this,
            [this] {
                playWith(QStringLiteral("C:\\Program Files\\Windows Media Player\\wmplayer.exe"),
                         {QStringLiteral("/play")});
            });
    connect(window.require<ZarnBttn>(QStringLiteral("mnuAnnul2")), &ZarnBttn::clicked, this,
            &OutsidePrograms::hideMenu);
    connect(m_soundsItem, &ZarnBttn::clicked, this, [this] {
        hideMenu();
        emit soundsPanelRequested();
    });
    connect(window.require<ZarnBttn>(QStringLiteral("CmdLect")), &ZarnBttn::clicked, this, [this] {
        m_context.general.ChoixMultivues = false;
        emit fileManagerRequested();
    });
}

QString OutsidePrograms::inProgramFolder(const QString &relative) const
{
    return Platform::joinPath(m_context.platform.programFolder, QDir::toNativeSeparators(relative),
                              QDir::separator());
}

void OutsidePrograms::start(const QString &commandLine)
{
    // Each of these lines names one program, blanks and all, and hands it nothing.
    start(LaunchCommand{commandLine.trimmed(), {}, commandLine});
}

void OutsidePrograms::start(const LaunchCommand &command)
{
    const LaunchResult result = m_context.platform.launcher->start(command);
    if (result.status != LaunchStatus::Started)
        qCDebug(lcApp) << "outside program not started:" << command.line;
}

void OutsidePrograms::hideMenu()
{
    m_menu->hide();
}

void OutsidePrograms::togglePlayersMenu(bool forAnimations)
{
    m_state.MenuAnimations = forAnimations;
    m_soundsItem->setEnabled(!forAnimations);
    if (!m_menu->isHidden()) {
        m_menu->hide();
        return;
    }
    Twips::move(m_menu, 1800, 1260);
    m_menu->show();
    m_menu->raise();
}

void OutsidePrograms::playWith(const QString &program, const QStringList &options)
{
    hideMenu();
    CommonDialogState &d = m_dialog.state();
    d.flags = 4;
    d.cancelError = false;
    if (m_state.MenuAnimations) {
        d.title = QStringLiteral("Nom du fichier AVI (MPEG, MOV)");
        d.filter = QStringLiteral(
            "Animations AVI (MPG, MOV)|*.avi;*.mpg;*.mov|Tous les fichiers (*.*)|*.*");
    } else {
        d.title = QStringLiteral("Nom du fichier MIDI ou WAVE");
        d.filter
            = QStringLiteral("Sons MID, RMI et WAV|*.mid;*.rmi;*.wav|Tous les fichiers (*.*)|*.*");
    }
    d.filterIndex = m_state.IndexFiltre;
    m_dialog.showOpen();
    const QString prefix = (QStringList{program} + options).join(QLatin1Char(' '));
    start(LaunchCommand{program, options + QStringList{d.fileName},
                        prefix + QLatin1Char(' ') + d.fileName});
}

void OutsidePrograms::startImages()
{
    const LaunchResult result = m_context.platform.launcher->start(
        LaunchCommand::of(inProgramFolder(QStringLiteral("galerix.pif"))));
    if (result.status == LaunchStatus::Started)
        return;
    MessageRequest request;
    request.icon = MessageIcon::Exclamation;
    request.buttons = MessageButtons::Ok;
    request.title = QStringLiteral("Galerix");
    request.text = QStringLiteral("Le fichier Galerix.pif est absent ou ses paramètres sont "
                                  "incorrects");
    m_context.platform.messages->ask(request);
}
