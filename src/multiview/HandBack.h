#pragma once

#include <QObject>

struct AppContext;
class Form;
class PaneSelection;

// Hands the selected pane's animation back to the main window, closing the multi-view window
// or keeping it minimised, and closes the window. The main window opens the handed-back file
// and re-enables its multi-view button on its next activation.
class HandBack : public QObject
{
    Q_OBJECT

public:
    HandBack(Form &window, PaneSelection &selection, AppContext &context);

    // CmdRecupF: hand back, then close.
    void handBackAndClose();
    // CmdRecupG: hand back, then minimise; the window stays loaded.
    void handBackAndKeep();
    // CmdFermer, and a close asked by the window manager.
    void close();

private:
    // FichierRecup := the selected pane's file, when a pane is selected; true when it holds one.
    bool handBack();

    Form &m_window;
    PaneSelection &m_selection;
    AppContext &m_context;
};
