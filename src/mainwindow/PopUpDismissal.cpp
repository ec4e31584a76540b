#include "PopUpDismissal.h"

#include "controls/Form.h"
#include "controls/ZarnBttn.h"
#include "controls/ZarnPanel.h"

#include <QApplication>
#include <QKeyEvent>

namespace {

bool within(const QWidget *area, const QWidget *widget)
{
    return widget && (area == widget || area->isAncestorOf(widget));
}

} // namespace

PopUpDismissal::PopUpDismissal(Form &window)
    : QObject(&window)
    , m_window(window)
{
    const std::pair<const char *, QList<const char *>> table[] = {
        {"PopUpInfos", {"CmdApropos"}},       {"mnuSeqAVI", {"CmdSeqAVI"}},
        {"mnuSeqFLI", {"CmdFLI1"}},           {"mnuWinMCI", {"CmdSonMCI", "CmdMPAvi"}},
        {"FondAvertissement", {"CmdSeqAVI"}},
    };
    for (const auto &[panel, openers] : table) {
        PopUp popUp{window.require<ZarnPanel>(QString::fromUtf8(panel)), {}};
        for (const char *opener : openers)
            popUp.openers << window.require<ZarnBttn>(QString::fromUtf8(opener));
        m_popUps << popUp;
    }
    // Presses go to the control under the mouse, not to the window: only the application sees
    // them all.
    qApp->installEventFilter(this);
}

bool PopUpDismissal::eventFilter(QObject *watched, QEvent *event)
{
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::KeyPress)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != &m_window)
        return false;
    if (type == QEvent::KeyPress)
        return static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape && hideOpen(nullptr);
    hideOpen(widget);
    return false;
}

bool PopUpDismissal::hideOpen(const QWidget *pressed)
{
    bool hidden = false;
    for (const PopUp &popUp : std::as_const(m_popUps)) {
        if (popUp.panel->isHidden() || within(popUp.panel, pressed))
            continue;
        if (std::any_of(popUp.openers.begin(), popUp.openers.end(),
                        [pressed](const QWidget *opener) { return within(opener, pressed); }))
            continue;
        popUp.panel->hide();
        hidden = true;
    }
    return hidden;
}
