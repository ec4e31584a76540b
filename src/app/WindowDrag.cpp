#include "WindowDrag.h"

#include "controls/ZarnBttn.h"

#include <QMouseEvent>
#include <QWindow>

WindowDrag::WindowDrag(ZarnBttn *bar)
    : QObject(bar)
    , m_bar(bar)
{
    bar->installEventFilter(this);
}

bool WindowDrag::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_bar)
        return false;
    QWidget *window = m_bar->window();
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        QWindow *handle = window->windowHandle();
        m_manual = !(handle && handle->startSystemMove());
        m_grabOffset = mouse->globalPosition().toPoint() - window->pos();
        return false;
    }
    case QEvent::MouseMove: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (m_manual && mouse->buttons() != Qt::NoButton)
            window->move(mouse->globalPosition().toPoint() - m_grabOffset);
        return false;
    }
    case QEvent::MouseButtonRelease:
        m_manual = false;
        return false;
    default:
        return false;
    }
}
