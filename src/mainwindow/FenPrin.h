#pragma once

#include "controls/Form.h"
#include "mainlayout/FenPrinState.h"

#include <QTimer>

#include <memory>

struct AppContext;
class AnimationInfo;
class BackgroundScreen;
class DesktopOpening;
class FileSelection;
class FlicHandover;
class OutsidePrograms;
class Slideshow;
class SoundPanel;
class ColourEditor;
class CommonDialog;
class ConfigurationMenu;
class MainWindowLayout;
class MediaWindow;
class SettingsPanel;
class Transport;

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
    // The shared file dialog of the main window's choices, and the sound player's own.
    CommonDialog &dialogue1() { return *m_dialogue1; }
    CommonDialog &dialogue2() { return *m_dialogue2; }
    MediaWindow &mciWnd1() { return *m_mciWnd1; }
    MediaWindow &mciWnd2() { return *m_mciWnd2; }
    QTimer &timer1() { return m_timer1; }
    QTimer &timer2() { return m_timer2; }
    MainWindowLayout &layout() { return *m_layout; }
    Transport &transport() { return *m_transport; }
    AnimationInfo &animationInfo() { return *m_info; }
    SettingsPanel &settingsPanel() { return *m_settings; }
    FileSelection &fileSelection() { return *m_files; }
    Slideshow &slideshow() { return *m_slideshow; }
    FlicHandover &flicHandover() { return *m_flic; }
    SoundPanel &soundPanel() { return *m_sounds; }
    OutsidePrograms &outsidePrograms() { return *m_outside; }
    DesktopOpening &desktopOpening() { return *m_opening; }

signals:
    // A click of the primary button on the window's own background, outside every control.
    void backgroundClicked();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void createMediaWindows();
    void createFileLists();
    void dressWarningPanel();
    void wireTitleBar();
    void wireHelp();
    void wireLeftColumn();
    void openTips();
    void openAbout();

    AppContext &m_context;
    FenPrinState m_state;
    bool m_loaded = false;
    // The main window was left for one of the platform's passing dialogs.
    bool m_leftForDialog = false;
    bool m_backgroundPress = false;
    std::unique_ptr<CommonDialog> m_dialogue1;
    std::unique_ptr<CommonDialog> m_dialogue2;
    std::unique_ptr<ColourEditor> m_colourEditor;
    MediaWindow *m_mciWnd1 = nullptr;
    MediaWindow *m_mciWnd2 = nullptr;
    QTimer m_timer1;
    QTimer m_timer2;
    ConfigurationMenu *m_menu = nullptr;
    MainWindowLayout *m_layout = nullptr;
    Transport *m_transport = nullptr;
    AnimationInfo *m_info = nullptr;
    SettingsPanel *m_settings = nullptr;
    FileSelection *m_files = nullptr;
    Slideshow *m_slideshow = nullptr;
    FlicHandover *m_flic = nullptr;
    SoundPanel *m_sounds = nullptr;
    OutsidePrograms *m_outside = nullptr;
    BackgroundScreen *m_background = nullptr;
    DesktopOpening *m_opening = nullptr;
};
