#pragma once

#include <QObject>

struct AppContext;
class FenFond;
class Form;

// The main window's background button: a click shows or hides the background screen, a
// right-button press opens the colour chooser. Minimising the main window unloads the
// background screen; restoring it shows it again when it is meant to be shown.
class BackgroundScreen : public QObject
{
    Q_OBJECT

public:
    // fondAffiche: the main window's flag, true while the background screen is meant to be shown.
    BackgroundScreen(Form &mainWindow, AppContext &context, bool &fondAffiche);

    void toggle();
    void chooseColour();
    // The resize step's two hooks.
    void showAgain();
    void unload();

private:
    // The background window, loaded when it is not, whose desktop close this button handles.
    FenFond *screen();
    void hideFromDesktop();
    void bringMainWindowToFront();

    Form &m_main;
    AppContext &m_context;
    bool &m_fondAffiche;
};
