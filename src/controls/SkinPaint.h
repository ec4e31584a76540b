#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>

class QPainter;

// Drawing shared by the skinned button and panel.
namespace SkinPaint {

// The skin's caption font: Arial (Liberation Sans here) 8 pt bold.
QFont captionFont();

// Fills a rectangle with a two-colour gradient: sens 0 runs start to end from left to right,
// any other value from top to bottom.
void fillGradient(QPainter &painter, const QRectF &box, const QColor &start, const QColor &end,
                  int sens);

// A classic sunken frame, for the pressed look.
void drawSunkenFrame(QPainter &painter, const QRectF &box);

// The colour a disabled caption takes: grey that still reads on light and dark faces.
QColor disabledInk();

} // namespace SkinPaint
