#include "Transport.h"

#include "controls/Form.h"
#include "controls/ZarnBttn.h"
#include "controls/ZarnPanel.h"
#include "mainlayout/FenPrinState.h"
#include "media/MediaWindow.h"

#include <QTimer>

namespace {

const QString Stopped = QStringLiteral("stopped");
const QString Playing = QStringLiteral("playing");

} // namespace

Transport::Transport(Form &window, FenPrinState &state, MediaWindow &media, QTimer &slideshowTimer)
    : QObject(&window)
    , m_window(window)
    , m_state(state)
    , m_media(media)
    , m_timer(slideshowTimer)
{
    connect(button("CmdPlayAVI"), &ZarnBttn::clicked, this, &Transport::play);
    connect(button("CmdPauseAVI"), &ZarnBttn::clicked, this, &Transport::pause);
    connect(button("CmdStopAVI"), &ZarnBttn::clicked, this, &Transport::stop);
    connect(button("CmdRepetAVI"), &ZarnBttn::clicked, this, &Transport::loop);
    connect(button("CmdPlEcrAVI"), &ZarnBttn::clicked, this, &Transport::fullScreen);
    connect(button("CmdDebutAVI"), &ZarnBttn::clicked, this, &Transport::toStart);
    connect(button("CmdFinAVI"), &ZarnBttn::clicked, this, &Transport::toEnd);
    connect(button("CmdFinAVI"), &ZarnBttn::mouseDown, this, [this](const ControlMouse &m) {
        if (m.button == 2)
            backwardsFromEnd();
    });
    connect(button("CmdAvanceAVI"), &ZarnBttn::clicked, this, [this] { step(10000); });
    connect(button("CmdReculeAVI"), &ZarnBttn::clicked, this, [this] { step(-10000); });
    connect(button("CmdAvanceAVI"), &ZarnBttn::mouseDown, this, [this](const ControlMouse &m) {
        if (m.button == 2)
            step(1000);
    });
    connect(button("CmdReculeAVI"), &ZarnBttn::mouseDown, this, [this](const ControlMouse &m) {
        if (m.button == 2)
            step(-1000);
    });
    connect(&m_media, &MediaWindow::modeChanged, this, &Transport::onModeChanged);
}

ZarnBttn *Transport::button(const char *name) const
{
    return m_window.button(QString::fromUtf8(name));
}

void Transport::rewind()
{
    m_media.setPositionText(QStringLiteral("0"));
}

void Transport::showPlay(bool play)
{
    button("CmdPlayAVI")->setVisible(play);
    button("CmdPauseAVI")->setVisible(!play);
}

void Transport::play()
{
    m_state.BoucleAVI = false;
    if (m_state.EnPause)
        m_state.EnPause = false;
    else
        rewind();
    m_media.sendCommand(QStringLiteral("play"));
    button("CmdStopAVI")->setEnabled(true);
    showPlay(false);
    button("CmdPlEcrAVI")->setEnabled(true);
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
    button("CmdStopAVI")->setEnabled(false);
    button("CmdPlayAVI")->setEnabled(true);
    showPlay(true);
    m_state.BoucleAVI = false;
    m_state.PleinEcran = false;
}

void Transport::loop()
{
    m_state.BoucleAVI = true;
    m_state.PleinEcran = false;
    button("CmdStopAVI")->setEnabled(true);
    button("CmdPlayAVI")->setEnabled(false);
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
    button("CmdStopAVI")->setEnabled(false);
    showPlay(true);
    button("CmdPlEcrAVI")->setEnabled(true);
}

void Transport::toEnd()
{
    m_media.setTimeFormat(QStringLiteral("frames"));
    const qint32 frames = m_media.length();
    m_state.NbImages = QString::number(frames);
    m_media.setPosition(frames);
    button("CmdStopAVI")->setEnabled(false);
    showPlay(true);
    button("CmdPlEcrAVI")->setEnabled(true);
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
    const QString mode = m_media.mode();
    if (mode == Stopped) {
        if (auto *zoomText = m_window.panel(QStringLiteral("ZoomText")))
            m_media.setZoomText(zoomText->caption());
        if (!m_state.ModeNormal) {
            if (!m_timer.isActive())
                m_timer.start();
            return;
        }
        m_timer.stop();
        rewind();
        showPlay(true);
        button("CmdStopAVI")->setEnabled(false);
        if (m_state.BoucleAVI && m_state.PleinEcran)
            button("CmdPlayAVI")->setEnabled(true);
        m_state.BoucleAVI = false;
        if (ZarnBttn *seq = button("CmdSeqAVI"))
            seq->setEnabled(true);
    } else if (mode == Playing) {
        m_timer.stop();
        if (ZarnBttn *seq = button("CmdSeqAVI"))
            seq->setEnabled(false);
    }
}
