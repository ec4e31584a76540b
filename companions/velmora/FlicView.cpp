#include "FlicView.h"

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
    if (m_picture.isNull())
        return;
    const QSize scaled = m_picture.size().scaled(size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - scaled.width()) / 2, (height() - scaled.height()) / 2),
                       scaled);
    painter.drawImage(target, m_picture);
}
