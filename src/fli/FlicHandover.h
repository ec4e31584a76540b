#pragma once

#include <QObject>

struct AppContext;
class CommonDialog;
class FileList;
class FileSelection;
class Transport;
class ZarnPanel;
class Form;
struct FenPrinState;

// FLC/FLI animations handed to the companion programs: the module with its own window, and
// the full-screen player for one file or a sequence of files.
class FlicHandover : public QObject
{
    Q_OBJECT

public:
    static const QString ModuleTitle;
    static const QString ModuleApplication;
    static const QString FlicPattern;

    FlicHandover(Form &window, FenPrinState &state, CommonDialog &dialog, FileSelection &files,
                 Transport &transport, AppContext &context);

    void startOrRaiseModule();
    void toggleMenu();
    void playOneFile(int count);
    void openSequencePanel(bool wholeFolder);
    void openListPanel();
    // The panel's OK with FLC/FLI files: each selected file in turn, each after the previous
    // player has gone.
    void playSequence();

private:
    void hideMenu();

    Form &m_window;
    FenPrinState &m_state;
    CommonDialog &m_dialog;
    FileSelection &m_selection;
    Transport &m_transport;
    AppContext &m_context;
    FileList &m_files;
    ZarnPanel *m_menu;
};
