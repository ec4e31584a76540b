#include "FlicView.h"

#include "core/ScaleToFit.h"

#include <QPainter>

FlicView::FlicView(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(160, 100);
}

void FlicView::setPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

void FlicView::setBackground(const QColor &colour)
{
    m_background = colour;
    update();
}

void FlicView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    paintScaledToFit(painter, m_picture, rect());
}
