#pragma once

#include <QPointer>
#include <QWidget>

class MediaEngine;

// The borderless full-screen window of "play fullscreen": the engine's picture scaled with its
// aspect kept, on black. Any click or key (Escape among them), or a close from the desktop,
// interrupts the play.
class FullScreenView : public QWidget
{
    Q_OBJECT

public:
    explicit FullScreenView(MediaEngine *engine);

    // Closes the view at the media window's own request, which is no interruption.
    void dismiss();

signals:
    void interrupted();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QPointer<MediaEngine> m_engine;
    bool m_dismissing = false;
};
