#pragma once

#include "media/flic/FlicEngine.h"

#include <QWidget>

// A borderless full-screen black window that plays one animation a number of times, then
// closes; a click or a key closes it at once.
class PlayWindow : public QWidget
{
    Q_OBJECT

public:
    explicit PlayWindow(QWidget *parent = nullptr);

    bool open(const QString &path);
    // loops: how many times; 0 for no end.
    void start(int loops);

signals:
    void finished();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void playedOnce();

    FlicEngine m_engine;
    int m_loopsLeft = 1;
    bool m_endless = false;
};
