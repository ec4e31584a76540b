#include "PaneGeometry.h"

#include <algorithm>

namespace PaneGeometry {

QPointF paneTopLeft(double W, double H, double w, double h)
{
    return {(W - w) / 2 + PaneOffsetX, (H - h) / 2 - PaneOffsetY};
}

QRectF frameAround(const QPointF &pane, double w, double h)
{
    return {pane.x() - FrameMargin, pane.y() - FrameMargin, w + FrameExtraWidth,
            h + FrameExtraHeight};
}

QPointF barTopLeft(const QSizeF &frame, double barWidth)
{
    return {(frame.width() - barWidth) / 2, frame.height() - BarOffset};
}

QSizeF pictureArea(const QSizeF &frame)
{
    return {frame.width() - FrameExtraWidth, frame.height() - FrameExtraHeight};
}

QSizeF grownForPane(double W, double H, double w, double h)
{
    if (H - ResizeMarginHeight < h)
        H = h + ResizeMarginHeight;
    if (W - WindowMarginWidth < w)
        W = w + WindowMarginWidth;
    return {W, H};
}

QSizeF restoredForPane(double W, double H, double w, double h)
{
    if (h + WindowMarginHeight < H)
        H = h + WindowMarginHeight;
    if (w + WindowMarginWidth < W)
        W = w + WindowMarginWidth;
    return {std::max(W, DefaultWidth), std::max(H, DefaultHeight)};
}

QSizeF grownForNotification(double W, double H, double w, double h)
{
    if (H - WindowMarginHeight < h)
        H = h + WindowMarginHeight;
    if (W - WindowMarginWidth < w)
        W = w + WindowMarginWidth;
    return {W, H};
}

} // namespace PaneGeometry
