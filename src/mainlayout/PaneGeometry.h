#pragma once

#include <QRectF>
#include <QSizeF>

// The arithmetic of the main window's media area, in twips: where the media pane, its frame,
// the transport bar and the picture area go for a window of W × H and a pane of w × h.
namespace PaneGeometry {

inline constexpr double DefaultWidth = 8460;
inline constexpr double DefaultHeight = 5670;
inline constexpr double PaneOffsetX = 585;
inline constexpr double PaneOffsetY = 180;
inline constexpr double FrameMargin = 240;
inline constexpr double FrameExtraHeight = 900;
inline constexpr double FrameExtraWidth = 480;
inline constexpr double BarOffset = 630;
inline constexpr double WindowMarginHeight = 2490;
inline constexpr double WindowMarginWidth = 2955;
// The resize step lets the window be 240 lower than the restore does.
inline constexpr double ResizeMarginHeight = 2250;
inline constexpr double RightBandLeft = 7860;

inline const QRectF DefaultPane{2580, 3795, 4395, 0}; // height kept as it is
inline const QRectF DefaultFrame{2340, 900, 4875, 3855};

// Pane left and top, centred with its offsets.
QPointF paneTopLeft(double W, double H, double w, double h);
QRectF frameAround(const QPointF &paneTopLeft, double w, double h);
// Inside the frame.
QPointF barTopLeft(const QSizeF &frame, double barWidth);
QSizeF pictureArea(const QSizeF &frame);
// The window only grows to hold the pane (resize step).
QSizeF grownForPane(double W, double H, double w, double h);
// The window shrinks to the pane, but not below its default size (restore).
QSizeF restoredForPane(double W, double H, double w, double h);
// Grows to hold the pane plus its margins (size-changed notification).
QSizeF grownForNotification(double W, double H, double w, double h);

} // namespace PaneGeometry
