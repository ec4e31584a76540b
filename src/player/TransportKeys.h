#pragma once

#include <QObject>

class Form;
class Transport;
class ZarnBttn;

// The keyboard's way to the transport buttons of the main window: Space plays or pauses,
// Left and Right step 1 s, Page Up and Page Down 10 s, Home and End go to the start and the
// end. A key acts only while its button is shown and enabled, and only when the control with
// the focus (a list) has no use for it.
class TransportKeys : public QObject
{
    Q_OBJECT

public:
    TransportKeys(Form &window, Transport &transport);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool press(int key);

    Transport &m_transport;
    ZarnBttn *m_play;
    ZarnBttn *m_pause;
    ZarnBttn *m_start;
    ZarnBttn *m_end;
    ZarnBttn *m_forward;
    ZarnBttn *m_backward;
};
