#pragma once

#include <QObject>
#include <QString>

struct AppContext;
class Form;
class MainWindowLayout;
class MediaWindow;
class SettingsPanel;
class Transport;
struct FenPrinState;

// Fits the frame around the media pane when the media or its size changes, growing the main
// window when the picture needs more room, and tells the animation's length and frame count
// on a press on the frame.
class AnimationInfo : public QObject
{
    Q_OBJECT

public:
    AnimationInfo(Form &window, FenPrinState &state, MediaWindow &media, MainWindowLayout &layout,
                  Transport &transport, SettingsPanel &settings, AppContext &context);

    void onMediaChanged();
    void onSizeChanged();
    // The information message, for a press with any button but the right one.
    void showInformation();

    // "L'animation dure 1mn.23sec.456ms." and the rest of the message.
    static QString informationText(const QString &name, qint32 lengthMs, const QString &frames);

private:
    Form &m_window;
    FenPrinState &m_state;
    MediaWindow &m_media;
    MainWindowLayout &m_layout;
    Transport &m_transport;
    SettingsPanel &m_settings;
    AppContext &m_context;
};
