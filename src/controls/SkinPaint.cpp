#include "SkinPaint.h"

#include <QLinearGradient>
#include <QPainter>

namespace SkinPaint {

QFont captionFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.0);
    font.setBold(true);
    return font;
}

void fillGradient(QPainter &painter, const QRectF &box, const QColor &start, const QColor &end,
                  int sens)
{
    const QPointF to = sens == 0 ? box.topRight() : box.bottomLeft();
    QLinearGradient gradient(box.topLeft(), to);
    gradient.setColorAt(0.0, start);
    gradient.setColorAt(1.0, end);
    painter.fillRect(box, gradient);
}

void drawSunkenFrame(QPainter &painter, const QRectF &box)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    const QRectF inner = box.adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(QColor(0, 0, 0, 150), 1.0));
    painter.drawLine(inner.topLeft(), inner.topRight());
    painter.drawLine(inner.topLeft(), inner.bottomLeft());
    painter.setPen(QPen(QColor(255, 255, 255, 150), 1.0));
    painter.drawLine(inner.bottomLeft(), inner.bottomRight());
    painter.drawLine(inner.topRight(), inner.bottomRight());
    painter.restore();
}

QColor disabledInk()
{
    return QColor(128, 128, 128);
}

} // namespace SkinPaint
