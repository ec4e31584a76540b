#pragma once

#include <QRectF>

class QWidget;

// Every position and size of the design is in twips. This is the one conversion point to
// device-independent pixels; fractional twips are kept until a widget is placed.
namespace Twips {

constexpr double PerPixel = 15.0;

constexpr double toPixels(double twips)
{
    return twips / PerPixel;
}
constexpr double fromPixels(double pixels)
{
    return pixels * PerPixel;
}

// Places a widget at a twips rectangle (relative to its parent) and remembers the exact
// twips values, so that reading them back gives 1012.5 and not a rounded pixel.
void place(QWidget *widget, const QRectF &twips);
void move(QWidget *widget, double left, double top);
void resize(QWidget *widget, double width, double height);
void setLeft(QWidget *widget, double left);
void setTop(QWidget *widget, double top);
void setWidth(QWidget *widget, double width);
void setHeight(QWidget *widget, double height);

// The twips rectangle last given to the widget, or its pixel geometry in twips when it was
// moved or resized by other means since.
QRectF rect(const QWidget *widget);
inline double left(const QWidget *w)
{
    return rect(w).left();
}
inline double top(const QWidget *w)
{
    return rect(w).top();
}
inline double width(const QWidget *w)
{
    return rect(w).width();
}
inline double height(const QWidget *w)
{
    return rect(w).height();
}

} // namespace Twips
