#include "FullScreenView.h"

#include "core/ScaleToFit.h"

#include "MediaEngine.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <utility>

FullScreenView::FullScreenView(MediaEngine *engine)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_engine(engine)
{
    setObjectName(QStringLiteral("MediaFullScreen"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::BlankCursor);
    setFocusPolicy(Qt::StrongFocus);
    connect(engine, &MediaEngine::frameChanged, this, qOverload<>(&QWidget::update));
}

void FullScreenView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (!m_engine)
        return;
    const QImage image = m_engine->frame();
    if (image.isNull())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    paintScaledToFit(painter, image, rect());
}

void FullScreenView::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    emit interrupted();
}

void FullScreenView::keyPressEvent(QKeyEvent *event)
{
    event->accept();
    emit interrupted();
}

void FullScreenView::closeEvent(QCloseEvent *event)
{
    // Closed from the desktop (Alt+F4) rather than dismissed by the media window: as a click.
    event->accept();
    if (!std::exchange(m_dismissing, false))
        emit interrupted();
}

void FullScreenView::dismiss()
{
    m_dismissing = true;
    close();
}
