#include "Twips.h"

#include <QVariant>
#include <QWidget>

#include <cmath>

namespace {

constexpr char TwipsProperty[] = "kvTwipsRect";
constexpr char PixelsProperty[] = "kvTwipsPixels";

QRect toPixelRect(const QRectF &twips)
{
    // Round both edges, not the size, so that neighbours in twips stay neighbours in pixels.
    const int l = int(std::lround(Twips::toPixels(twips.left())));
    const int t = int(std::lround(Twips::toPixels(twips.top())));
    const int r = int(std::lround(Twips::toPixels(twips.left() + twips.width())));
    const int b = int(std::lround(Twips::toPixels(twips.top() + twips.height())));
    return QRect(l, t, std::max(0, r - l), std::max(0, b - t));
}

} // namespace

namespace Twips {

void place(QWidget *widget, const QRectF &twips)
{
    const QRect pixels = toPixelRect(twips);
    widget->setProperty(TwipsProperty, twips);
    widget->setProperty(PixelsProperty, pixels);
    if (widget->isWindow()) {
        widget->resize(pixels.size());
        widget->move(pixels.topLeft());
    } else {
        widget->setGeometry(pixels);
    }
}

QRectF rect(const QWidget *widget)
{
    const QVariant stored = widget->property(TwipsProperty);
    const QRect geometry
        = widget->isWindow() ? QRect(widget->pos(), widget->size()) : widget->geometry();
    if (stored.isValid() && widget->property(PixelsProperty).toRect() == geometry)
        return stored.toRectF();
    return QRectF(fromPixels(geometry.x()), fromPixels(geometry.y()), fromPixels(geometry.width()),
                  fromPixels(geometry.height()));
}

void move(QWidget *widget, double left, double top)
{
    const QRectF r = rect(widget);
    place(widget, QRectF(left, top, r.width(), r.height()));
}

void resize(QWidget *widget, double width, double height)
{
    const QRectF r = rect(widget);
    place(widget, QRectF(r.left(), r.top(), width, height));
}

void setLeft(QWidget *widget, double left)
{
    move(widget, left, rect(widget).top());
}
void setTop(QWidget *widget, double top)
{
    move(widget, rect(widget).left(), top);
}
void setWidth(QWidget *widget, double width)
{
    resize(widget, width, rect(widget).height());
}
void setHeight(QWidget *widget, double height)
{
    resize(widget, rect(widget).width(), height);
}

} // namespace Twips
