#pragma once

#include <QList>
#include <QObject>

class Form;
class QWidget;
class ZarnPanel;

// Escape, or a press anywhere else in the main window, closes an open pop-up menu or the
// warning panel. A press on the button that opens a menu is left to that button, whose click
// closes it.
class PopUpDismissal : public QObject
{
    Q_OBJECT

public:
    explicit PopUpDismissal(Form &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct PopUp
    {
        ZarnPanel *panel;
        QList<QWidget *> openers;
    };
    // Hides every open pop-up that does not hold `pressed` (none, for Escape); true when one was.
    bool hideOpen(const QWidget *pressed);

    Form &m_window;
    QList<PopUp> m_popUps;
};
