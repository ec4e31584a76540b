#pragma once

#include "multiview/MultiviewPane.h"

#include <QObject>

#include <array>

struct AppContext;
class Form;
class ZarnBttn;

// Which pane of the multi-view window is selected, and what acts on it: the frame that marks
// it, the title bar, the command buttons that need a selected pane (or one holding a file),
// loading a file into it through the media file manager and its information text.
class PaneSelection : public QObject
{
    Q_OBJECT

public:
    PaneSelection(Form &window, const std::array<MultiviewPane *, MultiviewPane::Count> &panes,
                  AppContext &context);

    // Selects pane k (1 to 6) and shows title in the title bar.
    void select(int k, const QString &title);
    // No pane selected: every command that needs one disabled.
    void clear();
    // The first selected pane, or nullptr.
    MultiviewPane *selected() const;
    bool isSelected(int k) const { return m_cadreSel[k - 1]; }

    // The three commands that need a file in the selected pane.
    void enableFileCommands(bool enabled);
    void disableAll();

    // Asks the file manager for a file, then gives it to the selected pane.
    void chooseFile();
    // Shows the selected pane's information on the information line, or clears the line.
    void toggleInformation();

signals:
    // Opens the media file manager modal; it leaves its choice in FichierChoisi.
    void fileManagerRequested();

private:
    std::array<MultiviewPane *, MultiviewPane::Count> m_panes;
    AppContext &m_context;
    // CadreSel: at most one is true.
    std::array<bool, MultiviewPane::Count> m_cadreSel{};
    ZarnBttn *m_title;
    ZarnBttn *m_infoLine;
    ZarnBttn *m_ficMci;
    ZarnBttn *m_infoAnim;
    ZarnBttn *m_recupG;
    ZarnBttn *m_recupF;
};
