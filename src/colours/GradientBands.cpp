#include "GradientBands.h"

#include "app/General.h"
#include "core/Colour.h"

#include <QImage>
#include <QPainter>

#include <cmath>

GradientBands::GradientBands(const General &general, int button)
    : m_first(255 - (button == 2 ? general.CurseurVert : general.CurseurRouge))
    , m_second(255 - (button == 2 ? general.CurseurBleu : general.CurseurVert))
{}

quint32 GradientBands::colour(int band) const
{
    return Colour::bgr(m_first, m_second, band);
}

void GradientBands::paint(QImage &picture, int pressY) const
{
    const double pixelsPerUnit = picture.height() / Units;
    QPainter painter(&picture);
    for (int band = 0; band < Count; ++band) {
        // Rounded edges shared by neighbouring bands leave no gap and no overlap between them.
        const int top = pressY + int(std::lround(2 * band * pixelsPerUnit));
        const int bottom = pressY + int(std::lround(2 * (band + 1) * pixelsPerUnit));
        if (top >= picture.height())
            break;
        painter.fillRect(0, top, picture.width(), bottom - top, Colour::toQColor(colour(band)));
    }
}
