#pragma once

#include "controls/Form.h"
#include "multiview/MultiviewPane.h"

#include <array>

struct AppContext;
class HandBack;
class PaneSelection;

// The multi-view window: six panes side by side, each with its own media window and play
// bar, and a column of commands acting on the selected pane. Builds its controls and wires
// them to the panes, the selection and the hand-back.
class FenMultivu : public Form
{
    Q_OBJECT

public:
    explicit FenMultivu(AppContext &context, QWidget *parent = nullptr);

    // The load step: colours, size, no animation handed back yet, commands disabled.
    void load();

    // Pane k, 1 to 6.
    MultiviewPane &pane(int k) const { return *m_panes[k - 1]; }
    PaneSelection &selection() const { return *m_selection; }

protected:
    // A close asked by the window manager does what the close button does.
    void closeEvent(QCloseEvent *event) override;

private:
    void wireCommands();

    AppContext &m_context;
    std::array<MultiviewPane *, MultiviewPane::Count> m_panes{};
    PaneSelection *m_selection = nullptr;
    HandBack *m_handBack = nullptr;
};
