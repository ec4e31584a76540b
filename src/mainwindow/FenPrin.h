#pragma once

#include "controls/Form.h"
#include "mainwindow/FenPrinState.h"

#include <memory>

struct AppContext;
class ColourEditor;
class CommonDialog;
class ConfigurationMenu;

// The main window: builds its controls from the layout table and wires them to the
// behaviour areas that act on them.
class FenPrin : public Form
{
    Q_OBJECT

public:
    explicit FenPrin(AppContext &context, QWidget *parent = nullptr);
    ~FenPrin() override;

    // The load step: size, title, splash unloaded, shown, preferences read and applied, tips.
    void load();
    // Each time the main window becomes the active window of the program.
    void activate();
    // Paints every control in its colour role.
    void ProcCoulDefUtil();

    FenPrinState &state() { return m_state; }
    CommonDialog &dialog() { return *m_dialog; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void wireTitleBar();
    void wireHelp();
    void openTips();

    AppContext &m_context;
    FenPrinState m_state;
    std::unique_ptr<CommonDialog> m_dialog;
    std::unique_ptr<ColourEditor> m_colourEditor;
    ConfigurationMenu *m_menu = nullptr;
};
