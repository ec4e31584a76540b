#pragma once

#include <QObject>

struct AppContext;
class Form;
class ZarnBttn;

// The main window's multi-view button: disables itself and shows the multi-view window,
// modeless, loading it first when it is not loaded. The main window enables the button
// again on its activation once the multi-view window has been closed.
class MultiviewOpener : public QObject
{
    Q_OBJECT

public:
    MultiviewOpener(Form &mainWindow, AppContext &context);

    void open();

private:
    AppContext &m_context;
    ZarnBttn *m_button;
};
