#include "MouseEvent.h"

#include "core/Twips.h"

namespace {

int buttonCode(Qt::MouseButtons buttons)
{
    int code = 0;
    if (buttons & Qt::LeftButton)
        code |= 1;
    if (buttons & Qt::RightButton)
        code |= 2;
    if (buttons & Qt::MiddleButton)
        code |= 4;
    return code;
}

} // namespace

ControlMouse ControlMouse::from(const QMouseEvent *event)
{
    ControlMouse mouse;
    if (!event)
        return mouse;
    // A press or release names the button that changed; a move names the buttons held down.
    const bool isMove = event->type() == QEvent::MouseMove;
    mouse.button = buttonCode(isMove ? event->buttons() : Qt::MouseButtons(event->button()));
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (modifiers & Qt::ShiftModifier)
        mouse.shift |= 1;
    if (modifiers & Qt::ControlModifier)
        mouse.shift |= 2;
    if (modifiers & Qt::AltModifier)
        mouse.shift |= 4;
    const QPointF position = event->position();
    mouse.x = Twips::fromPixels(position.x());
    mouse.y = Twips::fromPixels(position.y());
    return mouse;
}
