#pragma once

#include "SkinColours.h"
#include "controls/Pictogram.h"
#include "media/flic/FlicEngine.h"

#include <QWidget>

class FlicView;
class QLabel;
class QSlider;
class ZarnBttn;
class ZarnPanel;

// The FLC/FLI module's one window: a picture, the frame counter and the transport buttons,
// painted in the user's interface colours.
class VelmoraWindow : public QWidget
{
    Q_OBJECT

public:
    explicit VelmoraWindow(const SkinColours &colours, QWidget *parent = nullptr);

    // Opens and plays the file; a file that cannot be read says so and leaves the window empty.
    bool openFile(const QString &path);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    ZarnBttn *addButton(const QString &name, Pictogram picture, const QString &caption,
                        const QString &hint);
    void chooseFile();
    void playOrPause();
    void stopPlay();
    void step(int frames);
    void toggleLoop();
    void setSpeedPercent(int percent);
    void showFrame();
    void showState();

    SkinColours m_colours;
    FlicEngine m_engine;
    ZarnPanel *m_back = nullptr;
    FlicView *m_view = nullptr;
    QLabel *m_name = nullptr;
    QLabel *m_counter = nullptr;
    QLabel *m_speedText = nullptr;
    QSlider *m_position = nullptr;
    QSlider *m_speed = nullptr;
    ZarnBttn *m_open = nullptr;
    ZarnBttn *m_play = nullptr;
    ZarnBttn *m_stop = nullptr;
    ZarnBttn *m_previous = nullptr;
    ZarnBttn *m_next = nullptr;
    ZarnBttn *m_loop = nullptr;
    ZarnBttn *m_close = nullptr;
    bool m_looping = false;
    QString m_folder;
};
