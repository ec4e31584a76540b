#include "SoundPanel.h"

#include "app/AppContext.h"
#include "app/SharedProcedures.h"
#include "controls/Form.h"
#include "controls/ZarnBttn.h"
#include "controls/ZarnPanel.h"
#include "core/Duration.h"
#include "mainlayout/FenPrinState.h"
#include "media/MediaWindow.h"
#include "platform/CommonDialog.h"

#include <QTimer>

SoundPanel::SoundPanel(Form &window, FenPrinState &state, MediaWindow &media, QTimer &loopTimer,
                       CommonDialog &dialog, AppContext &context)
    : QObject(&window)
    , m_state(state)
    , m_media(media)
    , m_timer(loopTimer)
    , m_dialog(dialog)
    , m_context(context)
    , m_play(window.require<ZarnBttn>(QStringLiteral("CmdMarche")))
    , m_stop(window.require<ZarnBttn>(QStringLiteral("CmdARR")))
    , m_loop(window.require<ZarnBttn>(QStringLiteral("CmdLoop")))
    , m_panel(window.require<ZarnPanel>(QStringLiteral("FondSons")))
    , m_lowerPanel(window.require<ZarnPanel>(QStringLiteral("FondSons2")))
{
    ZarnBttn *choose = window.require<ZarnBttn>(QStringLiteral("CmdMid"));
    connect(choose, &ZarnBttn::clicked, this, &SoundPanel::load);
    connect(choose, &ZarnBttn::mouseDown, this, [this](const ControlMouse &mouse) {
        if (mouse.button == 2)
            showDuration();
    });
    connect(m_play, &ZarnBttn::clicked, this, &SoundPanel::play);
    connect(m_loop, &ZarnBttn::clicked, this, &SoundPanel::loop);
    connect(m_stop, &ZarnBttn::clicked, this, &SoundPanel::stop);
    connect(window.require<ZarnBttn>(QStringLiteral("CmdSortie")), &ZarnBttn::clicked, this,
            &SoundPanel::hidePanel);
    connect(window.require<ZarnBttn>(QStringLiteral("CmdAideSons")), &ZarnBttn::clicked, this,
            [this] { SharedProcedures::showHelpTopic(m_context, 7); });
    connect(&m_media, &MediaWindow::modeChanged, this, &SoundPanel::onModeChanged);
    connect(&m_timer, &QTimer::timeout, this,
            [this] { m_media.sendCommand(QStringLiteral("play from 0")); });
}

void SoundPanel::showPlaying(bool playing)
{
    m_play->setVisible(!playing);
    m_stop->setVisible(playing);
}

void SoundPanel::load()
{
    CommonDialogState &d = m_dialog.state();
    d.flags = 4;
    d.cancelError = false;
    d.title = QStringLiteral("Nom du fichier MIDI, RMI ou WAVE");
    d.filter = QStringLiteral("Sons MID, RMI et WAV|*.mid;*.rmi;*.wav");
    d.filterIndex = 1;
    m_dialog.showOpen();
    loadChosen(d.fileName);
}

bool SoundPanel::loadChosen(const QString &file)
{
    // The dialog offers it next time, as when it was chosen there.
    m_dialog.state().fileName = file;
    m_media.setFileName(file);
    const QString name = m_media.fileName();
    if (!name.isEmpty()) {
        m_loop->setEnabled(!m_state.BoucleSon);
        m_play->setEnabled(true);
        m_state.NomSon = name;
    }
    if (name.right(3).isEmpty())
        m_media.setFileName(file);
    return !m_media.fileName().isEmpty();
}

QString SoundPanel::durationText(const QString &name, qint32 lengthMs)
{
    return name + QStringLiteral("\n\nLe son dure ") + Duration::split(lengthMs).text(u'.');
}

void SoundPanel::showDuration()
{
    if (m_media.fileName().isEmpty())
        return;
    m_media.setTimeFormat(QStringLiteral("ms"));
    const qint32 length = m_media.length();
    if (length == 0)
        return;
    MessageRequest request;
    request.icon = MessageIcon::Information;
    request.buttons = MessageButtons::Ok;
    request.title = QStringLiteral("Durée du son");
    request.text = durationText(m_state.NomSon, length);
    m_context.platform.messages->ask(request);
}

void SoundPanel::play()
{
    m_media.sendCommand(QStringLiteral("play from 0"));
    showPlaying(true);
}

void SoundPanel::loop()
{
    m_loop->setEnabled(false);
    showPlaying(true);
    m_state.BoucleSon = true;
    m_media.sendCommand(QStringLiteral("play from 0"));
}

void SoundPanel::stop()
{
    m_timer.stop();
    m_media.sendCommand(QStringLiteral("stop"));
    showPlaying(false);
    m_loop->setEnabled(true);
    m_state.BoucleSon = false;
}

void SoundPanel::onModeChanged()
{
    const MediaWindow::Mode mode = m_media.mode();
    if (mode == MediaWindow::Mode::Stopped) {
        if (m_state.BoucleSon) {
            if (!m_timer.isActive())
                m_timer.start();
        } else {
            m_timer.stop();
            showPlaying(false);
        }
    } else if (mode == MediaWindow::Mode::Playing) {
        m_timer.stop();
    }
}

void SoundPanel::showPanel()
{
    for (ZarnPanel *panel : {m_panel, m_lowerPanel}) {
        panel->raise();
        panel->show();
    }
}

void SoundPanel::hidePanel()
{
    m_panel->hide();
    m_lowerPanel->hide();
}
