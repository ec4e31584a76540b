#include "HandBack.h"

#include "app/AppContext.h"
#include "app/LoadedWindows.h"
#include "controls/Form.h"
#include "multiview/PaneSelection.h"

HandBack::HandBack(Form &window, PaneSelection &selection, AppContext &context)
    : QObject(&window)
    , m_window(window)
    , m_selection(selection)
    , m_context(context)
{}

bool HandBack::handBack()
{
    General &g = m_context.general;
    if (const MultiviewPane *pane = m_selection.selected())
        g.FichierRecup = pane->media().fileName();
    return !g.FichierRecup.isEmpty();
}

void HandBack::handBackAndClose()
{
    if (handBack())
        close();
}

void HandBack::handBackAndKeep()
{
    if (handBack())
        m_window.setWindowState(m_window.windowState() | Qt::WindowMinimized);
}

void HandBack::close()
{
    m_context.general.MultivuesFermee = true;
    m_context.windows.unload(&m_window);
}
