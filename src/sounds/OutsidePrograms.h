#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

struct AppContext;
struct LaunchCommand;

class CommonDialog;
class Form;
class ZarnBttn;
class ZarnPanel;
struct FenPrinState;

// Buttons and menu entries that start other programs: the sound-card tools, the system's
// sound and media players, and the sibling image program. Each starts and returns at once.
class OutsidePrograms : public QObject
{
    Q_OBJECT

public:
    OutsidePrograms(Form &window, FenPrinState &state, CommonDialog &dialog, AppContext &context);

    void togglePlayersMenu(bool forAnimations);
    void playWith(const QString &program, const QStringList &options);
    // The configuration menu's "Galerix" entry, once the menu has hidden itself.
    void startImages();

signals:
    // Opens the media file manager; set by the window that owns it.
    void fileManagerRequested();
    // "Musique et sons" of the players menu.
    void soundsPanelRequested();

private:
    void start(const QString &commandLine);
    void start(const LaunchCommand &command);
    QString inProgramFolder(const QString &relative) const;
    void hideMenu();

    FenPrinState &m_state;
    CommonDialog &m_dialog;
    AppContext &m_context;
    ZarnPanel *m_menu;
    ZarnBttn *m_soundsItem;
};
