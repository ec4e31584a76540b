#include "Transport.h"

#include "controls/Form.h"
#include "controls/ZarnBttn.h"
#include "controls/ZarnPanel.h"
#include "mainlayout/FenPrinState.h"
#include "media/MediaWindow.h"
#include "player/SettingsPanel.h"

#include <QTimer>

Transport::Transport(Form &window, FenPrinState &state, MediaWindow &media, QTimer &slideshowTimer,
                     SettingsPanel &settings)
    : QObject(&window)
    , m_state(state)
    , m_media(media)
    , m_timer(slideshowTimer)
    , m_settings(settings)
    , m_bar(window.require<ZarnPanel>(QStringLiteral("ButAVI")))
    , m_play(window.require<ZarnBttn>(QStringLiteral("CmdPlayAVI")))
    , m_pause(window.require<ZarnBttn>(QStringLiteral("CmdPauseAVI")))
    , m_stop(window.require<ZarnBttn>(QStringLiteral("CmdStopAVI")))
    , m_repeat(window.require<ZarnBttn>(QStringLiteral("CmdRepetAVI")))
    , m_fullScreen(window.require<ZarnBttn>(QStringLiteral("CmdPlEcrAVI")))
    , m_start(window.require<ZarnBttn>(QStringLiteral("CmdDebutAVI")))
    , m_end(window.require<ZarnBttn>(QStringLiteral("CmdFinAVI")))
    , m_forward(window.require<ZarnBttn>(QStringLiteral("CmdAvanceAVI")))
    , m_backward(window.require<ZarnBttn>(QStringLiteral("CmdReculeAVI")))
{
    connect(m_play, &ZarnBttn::clicked, this, &Transport::play);
    connect(m_pause, &ZarnBttn::clicked, this, &Transport::pause);
    connect(m_stop, &ZarnBttn::clicked, this, &Transport::stop);
    connect(m_repeat, &ZarnBttn::clicked, this, &Transport::loop);
    connect(m_fullScreen, &ZarnBttn::clicked, this, &Transport::fullScreen);
    connect(m_start, &ZarnBttn::clicked, this, &Transport::toStart);
    connect(m_end, &ZarnBttn::clicked, this, &Transport::toEnd);
    connect(m_end, &ZarnBttn::mouseDown, this, [this](const ControlMouse &m) {
        if (m.button == 2)
            backwardsFromEnd();
    });
    connect(m_forward, &ZarnBttn::clicked, this, [this] { step(10000); });
    connect(m_backward, &ZarnBttn::clicked, this, [this] { step(-10000); });
    connect(m_forward, &ZarnBttn::mouseDown, this, [this](const ControlMouse &m) {
        if (m.button == 2)
            step(1000);
    });
    connect(m_backward, &ZarnBttn::mouseDown, this, [this](const ControlMouse &m) {
        if (m.button == 2)
            step(-1000);
    });
    connect(&m_media, &MediaWindow::modeChanged, this, &Transport::onModeChanged);
}

void Transport::armForFile()
{
    for (ZarnBttn *button : {m_play, m_repeat, m_fullScreen})
        button->setEnabled(true);
    m_bar->show();
}

void Transport::showBar(bool visible)
{
    m_bar->setVisible(visible);
}

void Transport::rewind()
{
    m_media.setPositionText(QStringLiteral("0"));
}

void Transport::showPlay(bool play)
{
    m_play->setVisible(play);
    m_pause->setVisible(!play);
}

void Transport::play()
{
    m_state.BoucleAVI = false;
    if (m_state.EnPause)
        m_state.EnPause = false;
    else
        rewind();
    m_media.sendCommand(QStringLiteral("play"));
    m_stop->setEnabled(true);
    showPlay(false);
    m_fullScreen->setEnabled(true);
}

void Transport::pause()
{
    m_state.EnPause = true;
    m_media.sendCommand(QStringLiteral("pause"));
    showPlay(true);
}

void Transport::stop()
{
    m_media.sendCommand(QStringLiteral("stop"));
    m_stop->setEnabled(false);
    m_play->setEnabled(true);
    showPlay(true);
    m_state.BoucleAVI = false;
    m_state.PleinEcran = false;
}

void Transport::loop()
{
    m_state.BoucleAVI = true;
    m_state.PleinEcran = false;
    m_stop->setEnabled(true);
    m_play->setEnabled(false);
    showPlay(false);
    m_media.sendCommand(QStringLiteral("play repeat"));
}

void Transport::fullScreen()
{
    m_state.PleinEcran = true;
    if (m_media.zoom() < 100)
        m_media.setZoom(100);
    if (m_state.BoucleAVI) {
        m_media.sendCommand(QStringLiteral("play fullscreen repeat"));
    } else {
        rewind();
        m_media.sendCommand(QStringLiteral("play fullscreen"));
    }
}

void Transport::toStart()
{
    rewind();
    m_stop->setEnabled(false);
    showPlay(true);
    m_fullScreen->setEnabled(true);
}

void Transport::toEnd()
{
    m_media.setTimeFormat(QStringLiteral("frames"));
    const qint32 frames = m_media.length();
    m_state.NbImages = QString::number(frames);
    m_media.setPosition(frames);
    m_stop->setEnabled(false);
    showPlay(true);
    m_fullScreen->setEnabled(true);
}

void Transport::backwardsFromEnd()
{
    m_media.sendCommand(QStringLiteral("play from ") + m_state.NbImages + QStringLiteral(" to 0"));
}

void Transport::step(qint32 deltaMs)
{
    m_media.setTimeFormat(QStringLiteral("ms"));
    // 32-bit arithmetic, not clamped: the media window decides what a position outside means.
    const qint32 target = qint32(quint32(m_media.position()) + quint32(deltaMs));
    m_media.setPosition(target);
}

void Transport::onModeChanged()
{
    const MediaWindow::Mode mode = m_media.mode();
    if (mode == MediaWindow::Mode::Stopped) {
        m_media.setZoomText(m_settings.zoomCaption());
        if (!m_state.ModeNormal) {
            if (!m_timer.isActive())
                m_timer.start();
            return;
        }
        m_timer.stop();
        rewind();
        showPlay(true);
        m_stop->setEnabled(false);
        if (m_state.BoucleAVI && m_state.PleinEcran)
            m_play->setEnabled(true);
        m_state.BoucleAVI = false;
        emit slideshowAllowed(true);
    } else if (mode == MediaWindow::Mode::Playing) {
        m_timer.stop();
        emit slideshowAllowed(false);
    }
}
