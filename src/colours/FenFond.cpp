#include "FenFond.h"

#include "app/AppContext.h"
#include "app/LoadedWindows.h"
#include "colours/GradientBands.h"
#include "controls/MouseEvent.h"
#include "core/Colour.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace {

const QString Name = QStringLiteral("FenFond");

} // namespace

FenFond::FenFond(AppContext &context, QWidget *parent)
    : Form(Name, parent)
    , m_context(context)
{
    setWindowTitle(QStringLiteral("Kinovue ST - Fond d'écran"));
    // Below every other window, and never the focus: a window manager keeps it in its bottom
    // layer and gives clicks on it no focus; without one, the program restacks it itself.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint
                   | Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void FenFond::load()
{
    m_context.windows.add(this);
    const QWidget *main = m_context.windows.find(QStringLiteral("FenPrin"));
    const QScreen *screen = main ? main->screen() : QGuiApplication::primaryScreen();
    if (screen)
        setGeometry(screen->geometry());
    setScreenColour(m_context.general.CouleurFondEcran);
}

FenFond *FenFond::loaded(AppContext &context)
{
    if (auto *window = qobject_cast<FenFond *>(context.windows.find(Name)))
        return window;
    auto *window = new FenFond(context);
    window->load();
    return window;
}

void FenFond::setScreenColour(quint32 colour)
{
    setBackColor(colour);
    m_picture = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    m_picture.fill(Colour::toQColor(colour));
    update();
}

void FenFond::showBehind()
{
    if (isHidden())
        show();
    lower();
    bringMainWindowToFront();
}

void FenFond::closeEvent(QCloseEvent *event)
{
    event->ignore();
    emit closeRequested();
}

void FenFond::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(event->rect().topLeft(), m_picture, event->rect());
}

void FenFond::resizeEvent(QResizeEvent *event)
{
    Form::resizeEvent(event);
    if (m_picture.size() != size())
        setScreenColour(backColor());
}

void FenFond::mousePressEvent(QMouseEvent *event)
{
    // The bands are 2 of the 512 units of the window's height; the press height is in pixels,
    // a unit the 512-unit scale maps onto exactly.
    const ControlMouse mouse = ControlMouse::from(event);
    GradientBands(m_context.general, mouse.button).paint(m_picture, int(event->position().y()));
    update();
    lower();
    bringMainWindowToFront();
}

void FenFond::mouseReleaseEvent(QMouseEvent *event)
{
    Form::mouseReleaseEvent(event);
    bringMainWindowToFront();
}

void FenFond::mouseDoubleClickEvent(QMouseEvent *event)
{
    Form::mouseDoubleClickEvent(event);
    bringMainWindowToFront();
}

void FenFond::bringMainWindowToFront()
{
    if (QWidget *main = m_context.windows.find(QStringLiteral("FenPrin"))) {
        main->raise();
        main->activateWindow();
    }
}
