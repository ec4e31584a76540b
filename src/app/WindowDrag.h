#pragma once

#include <QObject>
#include <QPoint>

class ZarnBttn;

// Moves a borderless window by its drag bar, with whichever mouse button is pressed. The
// window manager's own move is used where one runs; without one, the bar follows the mouse.
class WindowDrag : public QObject
{
    Q_OBJECT

public:
    explicit WindowDrag(ZarnBttn *bar);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ZarnBttn *m_bar;
    bool m_manual = false;
    QPoint m_grabOffset;
};
