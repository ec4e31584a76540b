#include "Line.h"

#include "core/Colour.h"

#include <QPainter>

Line::Line(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents, true);
}

void Line::setForeColor(quint32 colour)
{
    m_fore = colour;
    update();
}

void Line::setBorderWidth(int width)
{
    m_width = std::max(1, width);
    update();
}

Qt::Orientation Line::orientation() const
{
    return width() >= height() ? Qt::Horizontal : Qt::Vertical;
}

QSize Line::sizeHint() const
{
    return orientation() == Qt::Horizontal ? QSize(40, m_width) : QSize(m_width, 40);
}

void Line::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRectF box(QPointF(0, 0), QSizeF(size()));
    QRectF stroke = box;
    if (orientation() == Qt::Horizontal)
        stroke.setHeight(std::min<double>(m_width, box.height()));
    else
        stroke.setWidth(std::min<double>(m_width, box.width()));
    painter.fillRect(stroke, Colour::toQColor(m_fore));
}
