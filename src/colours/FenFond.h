#pragma once

#include "controls/Form.h"

#include <QImage>

struct AppContext;

// The background screen: a borderless window over the whole screen the main window is on,
// behind the main window and every other window of the program. It shows a plain colour and,
// on a press, a gradient from the press height down. It never takes the focus, and every
// click hands the front back to the main window.
class FenFond : public Form
{
    Q_OBJECT

public:
    explicit FenFond(AppContext &context, QWidget *parent = nullptr);

    // Covers the main window's screen in the background colour.
    void load();
    // The loaded background window, loaded (not shown) when it is not.
    static FenFond *loaded(AppContext &context);

    // A new plain colour; the gradient is gone.
    void setScreenColour(quint32 colour);
    // Shows the window behind every other one and gives the front back to the main window.
    void showBehind();
    // What the window shows, kept so that it survives being covered.
    const QImage &picture() const { return m_picture; }

signals:
    // Closed from the desktop: the main window's background button decides what follows.
    void closeRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void bringMainWindowToFront();

    AppContext &m_context;
    QImage m_picture;
};
