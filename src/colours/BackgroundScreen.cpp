#include "BackgroundScreen.h"

#include "app/AppContext.h"
#include "app/LoadedWindows.h"
#include "app/Modal.h"
#include "colours/FenColors.h"
#include "colours/FenFond.h"
#include "controls/Form.h"
#include "controls/ZarnBttn.h"

BackgroundScreen::BackgroundScreen(Form &mainWindow, AppContext &context, bool &fondAffiche)
    : QObject(&mainWindow)
    , m_main(mainWindow)
    , m_context(context)
    , m_fondAffiche(fondAffiche)
{
    auto *button = mainWindow.require<ZarnBttn>(QStringLiteral("CmdFond"));
    connect(button, &ZarnBttn::clicked, this, &BackgroundScreen::toggle);
    connect(button, &ZarnBttn::mouseDown, this, [this](const ControlMouse &mouse) {
        if (mouse.button == 2)
            chooseColour();
    });
}

void BackgroundScreen::toggle()
{
    if (m_fondAffiche) {
        m_fondAffiche = false;
        unload();
        return;
    }
    m_fondAffiche = true;
    screen()->showBehind();
}

FenFond *BackgroundScreen::screen()
{
    FenFond *fond = FenFond::loaded(m_context);
    // A close from the desktop hides it as a second click on the button does.
    connect(fond, &FenFond::closeRequested, this, &BackgroundScreen::hideFromDesktop,
            Qt::UniqueConnection);
    return fond;
}

void BackgroundScreen::hideFromDesktop()
{
    if (m_fondAffiche)
        toggle();
    else
        unload();
}

void BackgroundScreen::chooseColour()
{
    auto *chooser = new FenColors(m_context);
    chooser->load();
    runModal(chooser);
    if (m_fondAffiche)
        screen()->showBehind();
    bringMainWindowToFront();
}

void BackgroundScreen::showAgain()
{
    // The resize step asks on every size change: a background already shown stays as it is.
    QWidget *shown = m_context.windows.find(QStringLiteral("FenFond"));
    if (m_fondAffiche && !(shown && shown->isVisible()))
        screen()->showBehind();
}

void BackgroundScreen::unload()
{
    if (QWidget *background = m_context.windows.find(QStringLiteral("FenFond")))
        m_context.windows.unload(background);
}

void BackgroundScreen::bringMainWindowToFront()
{
    m_main.raise();
    m_main.activateWindow();
}
