#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>

// A picture drawn as large as an area allows with its proportions kept, centred in it: full
// screen playing and the two FLC/FLI companions draw this way.
inline QRect scaledToFit(const QSize &picture, const QRect &area)
{
    QRect target(QPoint(0, 0), picture.scaled(area.size(), Qt::KeepAspectRatio));
    target.moveCenter(area.center());
    return target;
}

inline void paintScaledToFit(QPainter &painter, const QImage &picture, const QRect &area)
{
    if (!picture.isNull())
        painter.drawImage(scaledToFit(picture.size(), area), picture);
}
