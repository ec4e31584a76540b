#include "MultiviewOpener.h"

#include "app/AppContext.h"
#include "app/LoadedWindows.h"
#include "controls/Form.h"
#include "controls/ZarnBttn.h"
#include "multiview/FenMultivu.h"

MultiviewOpener::MultiviewOpener(Form &mainWindow, AppContext &context)
    : QObject(&mainWindow)
    , m_context(context)
    , m_button(mainWindow.require<ZarnBttn>(QStringLiteral("CmdMultiVue")))
{
    connect(m_button, &ZarnBttn::clicked, this, &MultiviewOpener::open);
}

void MultiviewOpener::open()
{
    m_button->setEnabled(false);
    // An open window is shown as it is, panes and selection kept.
    auto *window = qobject_cast<FenMultivu *>(m_context.windows.find(QStringLiteral("FenMultivu")));
    if (!window) {
        window = new FenMultivu(m_context);
        window->load();
    }
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}
