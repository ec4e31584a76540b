#pragma once

#include <QObject>

#include <functional>

struct AppContext;
class ColourEditor;
class Form;
class ZarnBttn;
class ZarnPanel;

// The main window's configuration pop-up menu: shown and hidden by its button; every item
// hides it before acting.
class ConfigurationMenu : public QObject
{
    Q_OBJECT

public:
    ConfigurationMenu(Form &window, AppContext &context, ColourEditor &editor);

    void toggle();
    void hide();

signals:
    // Actions that belong to other areas of the program.
    void coloursChanged();
    void aboutRequested();
    void imagesRequested();

private:
    ZarnBttn *onItem(const char *name, std::function<void()> action);

    Form &m_window;
    AppContext &m_context;
    ColourEditor &m_editor;
    ZarnPanel *m_menu;
    ZarnBttn *m_hints = nullptr;
    ZarnBttn *m_tipsAtStart = nullptr;
};
