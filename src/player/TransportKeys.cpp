#include "TransportKeys.h"

#include "controls/Form.h"
#include "controls/ZarnBttn.h"
#include "player/Transport.h"

#include <QKeyEvent>

namespace {

// As the user sees it: shown (its bar too) and not greyed.
bool offered(const ZarnBttn *button)
{
    return button->isVisible() && button->isEnabled();
}

} // namespace

TransportKeys::TransportKeys(Form &window, Transport &transport)
    : QObject(&window)
    , m_transport(transport)
    , m_play(window.require<ZarnBttn>(QStringLiteral("CmdPlayAVI")))
    , m_pause(window.require<ZarnBttn>(QStringLiteral("CmdPauseAVI")))
    , m_start(window.require<ZarnBttn>(QStringLiteral("CmdDebutAVI")))
    , m_end(window.require<ZarnBttn>(QStringLiteral("CmdFinAVI")))
    , m_forward(window.require<ZarnBttn>(QStringLiteral("CmdAvanceAVI")))
    , m_backward(window.require<ZarnBttn>(QStringLiteral("CmdReculeAVI")))
{
    // The window sees a key after the control with the focus has let it go.
    window.installEventFilter(this);
}

bool TransportKeys::eventFilter(QObject *, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    return press(key->key());
}

bool TransportKeys::press(int key)
{
    const auto act = [](const ZarnBttn *button, auto &&action) {
        if (!offered(button))
            return false;
        action();
        return true;
    };
    switch (key) {
    case Qt::Key_Space:
        if (offered(m_play))
            return act(m_play, [this] { m_transport.play(); });
        return act(m_pause, [this] { m_transport.pause(); });
    case Qt::Key_Home:
        return act(m_start, [this] { m_transport.toStart(); });
    case Qt::Key_End:
        return act(m_end, [this] { m_transport.toEnd(); });
    case Qt::Key_Left:
        return act(m_backward, [this] { m_transport.step(-1000); });
    case Qt::Key_Right:
        return act(m_forward, [this] { m_transport.step(1000); });
    case Qt::Key_PageUp:
        return act(m_backward, [this] { m_transport.step(-10000); });
    case Qt::Key_PageDown:
        return act(m_forward, [this] { m_transport.step(10000); });
    }
    return false;
}
