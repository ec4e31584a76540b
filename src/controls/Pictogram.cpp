#include "Pictogram.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <array>
#include <cmath>

namespace {

// Shapes are designed in a unit square (0..1 both ways) and mapped onto the box, so every
// pictogram keeps its proportions at any button size.
class Pen
{
public:
    Pen(QPainter &painter, const QRectF &box, const QColor &ink)
        : m_painter(painter)
        , m_ink(ink)
        , m_side(std::min(box.width(), box.height()))
    {
        const QPointF origin = box.center() - QPointF(m_side / 2.0, m_side / 2.0);
        m_map = QTransform().scale(m_side, m_side)
                * QTransform::fromTranslate(origin.x(), origin.y());
    }

    // Stroke width in unit-square terms, never thinner than a pixel and a half.
    double weight(double unit) const { return std::max(1.5, unit * m_side); }

    void fill(const QPainterPath &shape) { m_painter.fillPath(m_map.map(shape), m_ink); }
    void stroke(const QPainterPath &shape, double unit = 0.08)
    {
        QPen pen(m_ink, weight(unit), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        m_painter.strokePath(m_map.map(shape), pen);
    }
    void line(double x1, double y1, double x2, double y2, double unit = 0.08)
    {
        QPainterPath path(QPointF(x1, y1));
        path.lineTo(x2, y2);
        stroke(path, unit);
    }
    // The outline of a shape with a region left out, so a shape in front hides what is behind.
    void strokeOutside(const QPainterPath &shape, const QPainterPath &hidden, double unit = 0.08)
    {
        QPainterPathStroker stroker;
        stroker.setWidth(weight(unit));
        stroker.setCapStyle(Qt::RoundCap);
        stroker.setJoinStyle(Qt::RoundJoin);
        const QPainterPath outline = stroker.createStroke(m_map.map(shape));
        m_painter.fillPath(outline.subtracted(m_map.map(hidden)), m_ink);
    }

private:
    QPainter &m_painter;
    QColor m_ink;
    double m_side;
    QTransform m_map;
};

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath rectangle(double x, double y, double w, double h)
{
    QPainterPath path;
    path.addRect(QRectF(x, y, w, h));
    return path;
}

QPainterPath rounded(double x, double y, double w, double h, double radius)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), radius, radius);
    return path;
}

QPainterPath ellipse(double cx, double cy, double rx, double ry)
{
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), rx, ry);
    return path;
}

QPainterPath rightTriangle(double x, double y, double w, double h)
{
    return polygon({{x, y}, {x + w, y + h / 2}, {x, y + h}});
}

QPainterPath leftTriangle(double x, double y, double w, double h)
{
    return polygon({{x + w, y}, {x, y + h / 2}, {x + w, y + h}});
}

// An arrowhead at the end of a path, pointing along its last direction.
QPainterPath arrowHead(const QPainterPath &path, double size)
{
    const QPointF tip = path.pointAtPercent(1.0);
    const double angle = path.angleAtPercent(1.0) * M_PI / 180.0;
    // Qt angles run counter-clockwise with y pointing up.
    const QPointF forward(std::cos(angle), -std::sin(angle));
    const QPointF side(-forward.y(), forward.x());
    const QPointF base = tip - forward * size;
    return polygon(
        {tip + forward * size * 0.3, base + side * size * 0.6, base - side * size * 0.6});
}

// A glyph as a shape, fitted into a box of the unit square.
QPainterPath glyph(const QString &text, const QRectF &target)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(100);
    font.setBold(true);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    const double scale
        = std::min(target.width() / bounds.width(), target.height() / bounds.height());
    QTransform fit;
    fit.translate(target.center().x(), target.center().y());
    fit.scale(scale, scale);
    fit.translate(-bounds.center().x(), -bounds.center().y());
    return fit.map(path);
}

void filmStrip(Pen &pen, double x, double y, double w, double h)
{
    pen.stroke(rectangle(x, y, w, h), 0.06);
    const int holes = 4;
    const double hole = h / (holes * 2.0);
    for (int i = 0; i < holes; ++i) {
        const double top = y + hole * 0.5 + i * 2 * hole;
        pen.fill(rectangle(x + w * 0.06, top, w * 0.12, hole));
        pen.fill(rectangle(x + w * 0.82, top, w * 0.12, hole));
    }
    pen.line(x + w * 0.25, y + h / 2, x + w * 0.75, y + h / 2, 0.05);
    pen.line(x + w * 0.25, y, x + w * 0.25, y + h, 0.05);
    pen.line(x + w * 0.75, y, x + w * 0.75, y + h, 0.05);
}

void reel(Pen &pen, double cx, double cy, double r)
{
    QPainterPath disc = ellipse(cx, cy, r, r);
    // Five windows round the hub, cut out of the disc.
    for (int i = 0; i < 5; ++i) {
        const double a = (-90.0 + i * 72.0) * M_PI / 180.0;
        disc.addEllipse(QPointF(cx + std::cos(a) * r * 0.55, cy + std::sin(a) * r * 0.55), r * 0.2,
                        r * 0.2);
    }
    disc.addEllipse(QPointF(cx, cy), r * 0.1, r * 0.1);
    disc.setFillRule(Qt::OddEvenFill);
    pen.fill(disc);
}

void window(Pen &pen, double x, double y, double w, double h)
{
    pen.stroke(rectangle(x, y, w, h), 0.06);
    pen.fill(rectangle(x, y, w, h * 0.2));
}

void page(Pen &pen, double x, double y, double w, double h)
{
    pen.stroke(
        polygon({{x, y}, {x + w * 0.7, y}, {x + w, y + h * 0.22}, {x + w, y + h}, {x, y + h}}),
        0.06);
    for (int i = 1; i <= 3; ++i)
        pen.line(x + w * 0.2, y + h * (0.25 + i * 0.17), x + w * 0.8, y + h * (0.25 + i * 0.17),
                 0.04);
}

} // namespace

void paintPictogram(QPainter &painter, Pictogram pictogram, const QRectF &box, const QColor &ink)
{
    if (pictogram == Pictogram::None || box.width() <= 0 || box.height() <= 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    Pen pen(painter, box, ink);

    switch (pictogram) {
    case Pictogram::None:
        break;
    case Pictogram::Play:
        pen.fill(rightTriangle(0.25, 0.12, 0.62, 0.76));
        break;
    case Pictogram::Pause:
        pen.fill(rectangle(0.22, 0.14, 0.2, 0.72));
        pen.fill(rectangle(0.58, 0.14, 0.2, 0.72));
        break;
    case Pictogram::Stop:
        pen.fill(rectangle(0.18, 0.18, 0.64, 0.64));
        break;
    case Pictogram::Loop: {
        const QRectF ring(0.15, 0.2, 0.7, 0.6);
        QPainterPath upper;
        upper.arcMoveTo(ring, 200);
        upper.arcTo(ring, 200, -150);
        QPainterPath lower;
        lower.arcMoveTo(ring, 20);
        lower.arcTo(ring, 20, -150);
        pen.stroke(upper, 0.09);
        pen.stroke(lower, 0.09);
        pen.fill(arrowHead(upper, 0.2));
        pen.fill(arrowHead(lower, 0.2));
        break;
    }
    case Pictogram::FullScreen: {
        const double a = 0.12, b = 0.88, l = 0.28;
        QPainterPath corners;
        corners.moveTo(a, a + l), corners.lineTo(a, a), corners.lineTo(a + l, a);
        corners.moveTo(b - l, a), corners.lineTo(b, a), corners.lineTo(b, a + l);
        corners.moveTo(b, b - l), corners.lineTo(b, b), corners.lineTo(b - l, b);
        corners.moveTo(a + l, b), corners.lineTo(a, b), corners.lineTo(a, b - l);
        pen.stroke(corners, 0.1);
        pen.stroke(rectangle(0.34, 0.34, 0.32, 0.32), 0.06);
        break;
    }
    case Pictogram::ToStart:
        pen.fill(rectangle(0.14, 0.18, 0.12, 0.64));
        pen.fill(leftTriangle(0.28, 0.18, 0.56, 0.64));
        break;
    case Pictogram::StepBack:
        pen.fill(leftTriangle(0.08, 0.2, 0.42, 0.6));
        pen.fill(leftTriangle(0.5, 0.2, 0.42, 0.6));
        break;
    case Pictogram::StepForward:
        pen.fill(rightTriangle(0.08, 0.2, 0.42, 0.6));
        pen.fill(rightTriangle(0.5, 0.2, 0.42, 0.6));
        break;
    case Pictogram::ToEnd:
        pen.fill(rightTriangle(0.16, 0.18, 0.56, 0.64));
        pen.fill(rectangle(0.74, 0.18, 0.12, 0.64));
        break;
    case Pictogram::Open:
        pen.fill(polygon(
            {{0.08, 0.2}, {0.36, 0.2}, {0.44, 0.3}, {0.84, 0.3}, {0.84, 0.42}, {0.08, 0.42}}));
        pen.stroke(
            polygon({{0.08, 0.2}, {0.36, 0.2}, {0.44, 0.3}, {0.84, 0.3}, {0.84, 0.8}, {0.08, 0.8}}),
            0.06);
        pen.fill(polygon({{0.2, 0.48}, {0.96, 0.48}, {0.84, 0.8}, {0.08, 0.8}}));
        break;
    case Pictogram::Film:
        filmStrip(pen, 0.2, 0.08, 0.6, 0.84);
        break;
    case Pictogram::Note:
        pen.fill(ellipse(0.3, 0.75, 0.14, 0.1));
        pen.fill(ellipse(0.72, 0.65, 0.14, 0.1));
        pen.fill(rectangle(0.38, 0.15, 0.06, 0.6));
        pen.fill(rectangle(0.8, 0.05, 0.06, 0.6));
        pen.fill(polygon({{0.38, 0.15}, {0.86, 0.05}, {0.86, 0.19}, {0.38, 0.29}}));
        break;
    case Pictogram::Speaker: {
        pen.fill(polygon(
            {{0.08, 0.36}, {0.24, 0.36}, {0.46, 0.14}, {0.46, 0.86}, {0.24, 0.64}, {0.08, 0.64}}));
        QPainterPath waves;
        waves.arcMoveTo(QRectF(0.4, 0.3, 0.2, 0.4), 45);
        waves.arcTo(QRectF(0.4, 0.3, 0.2, 0.4), 45, -90);
        waves.arcMoveTo(QRectF(0.36, 0.16, 0.44, 0.68), 45);
        waves.arcTo(QRectF(0.36, 0.16, 0.44, 0.68), 45, -90);
        waves.arcMoveTo(QRectF(0.3, 0.04, 0.64, 0.92), 45);
        waves.arcTo(QRectF(0.3, 0.04, 0.64, 0.92), 45, -90);
        pen.stroke(waves, 0.06);
        break;
    }
    case Pictogram::Speed: {
        const QRectF dial(0.08, 0.2, 0.84, 0.84);
        QPainterPath arc;
        arc.arcMoveTo(dial, 180);
        arc.arcTo(dial, 180, -180);
        pen.stroke(arc, 0.08);
        for (int i = 0; i <= 4; ++i) {
            const double a = (180.0 - i * 45.0) * M_PI / 180.0;
            const QPointF c = dial.center();
            pen.line(c.x() + std::cos(a) * 0.3, c.y() - std::sin(a) * 0.3,
                     c.x() + std::cos(a) * 0.38, c.y() - std::sin(a) * 0.38, 0.05);
        }
        const QPointF c = dial.center();
        pen.line(c.x(), c.y(), c.x() + 0.2, c.y() - 0.24, 0.08);
        pen.fill(ellipse(c.x(), c.y(), 0.07, 0.07));
        break;
    }
    case Pictogram::Zoom:
        pen.stroke(ellipse(0.4, 0.4, 0.26, 0.26), 0.09);
        pen.line(0.6, 0.6, 0.88, 0.88, 0.16);
        pen.line(0.28, 0.4, 0.52, 0.4, 0.06);
        pen.line(0.4, 0.28, 0.4, 0.52, 0.06);
        break;
    case Pictogram::Multiview:
        for (int row = 0; row < 2; ++row) {
            for (int column = 0; column < 3; ++column)
                pen.fill(rectangle(0.06 + column * 0.3, 0.2 + row * 0.32, 0.26, 0.28));
        }
        break;
    case Pictogram::Slideshow:
    case Pictogram::SlideshowStop:
        pen.stroke(rectangle(0.32, 0.08, 0.6, 0.46), 0.05);
        pen.stroke(rectangle(0.2, 0.2, 0.6, 0.46), 0.05);
        if (pictogram == Pictogram::Slideshow) {
            // The front frame shows a play sign cut out of it.
            pen.fill(
                rectangle(0.08, 0.34, 0.6, 0.5).subtracted(rightTriangle(0.3, 0.44, 0.2, 0.3)));
        } else {
            pen.fill(rectangle(0.08, 0.34, 0.6, 0.5).subtracted(rectangle(0.27, 0.48, 0.22, 0.22)));
        }
        break;
    case Pictogram::Settings:
        for (int i = 0; i < 3; ++i) {
            const double x = 0.22 + i * 0.28;
            const double knob = std::array{0.62, 0.3, 0.5}[i];
            pen.line(x, 0.1, x, 0.9, 0.05);
            pen.fill(rectangle(x - 0.1, knob - 0.06, 0.2, 0.12));
        }
        break;
    case Pictogram::FlcModule:
        reel(pen, 0.5, 0.5, 0.42);
        break;
    case Pictogram::FlcMenu:
        reel(pen, 0.38, 0.42, 0.32);
        pen.fill(polygon({{0.62, 0.72}, {0.94, 0.72}, {0.78, 0.92}}));
        break;
    case Pictogram::Restore:
        pen.strokeOutside(rectangle(0.32, 0.1, 0.56, 0.46), rectangle(0.12, 0.38, 0.56, 0.5), 0.06);
        pen.fill(rectangle(0.32, 0.1, 0.56, 0.09).subtracted(rectangle(0.12, 0.38, 0.56, 0.5)));
        window(pen, 0.12, 0.38, 0.56, 0.5);
        break;
    case Pictogram::Screen:
        pen.stroke(rounded(0.08, 0.12, 0.84, 0.56, 0.04), 0.07);
        pen.fill(rectangle(0.16, 0.2, 0.68, 0.4));
        pen.fill(polygon({{0.42, 0.68}, {0.58, 0.68}, {0.62, 0.82}, {0.38, 0.82}}));
        pen.fill(rectangle(0.26, 0.82, 0.48, 0.06));
        break;
    case Pictogram::Info:
        pen.stroke(ellipse(0.5, 0.5, 0.42, 0.42), 0.07);
        pen.fill(ellipse(0.5, 0.28, 0.07, 0.07));
        pen.fill(rectangle(0.44, 0.42, 0.12, 0.36));
        break;
    case Pictogram::Help:
        pen.stroke(ellipse(0.5, 0.5, 0.42, 0.42), 0.07);
        pen.fill(glyph(QStringLiteral("?"), QRectF(0.3, 0.2, 0.4, 0.6)));
        break;
    case Pictogram::Ok: {
        QPainterPath tick(QPointF(0.14, 0.52));
        tick.lineTo(0.4, 0.78);
        tick.lineTo(0.88, 0.2);
        pen.stroke(tick, 0.14);
        break;
    }
    case Pictogram::Cancel:
        pen.line(0.2, 0.2, 0.8, 0.8, 0.14);
        pen.line(0.8, 0.2, 0.2, 0.8, 0.14);
        break;
    case Pictogram::Close:
        pen.stroke(rounded(0.1, 0.1, 0.8, 0.8, 0.1), 0.07);
        pen.line(0.3, 0.3, 0.7, 0.7, 0.1);
        pen.line(0.7, 0.3, 0.3, 0.7, 0.1);
        break;
    case Pictogram::Players:
        pen.stroke(rounded(0.06, 0.14, 0.62, 0.5, 0.06), 0.06);
        pen.fill(rightTriangle(0.28, 0.26, 0.22, 0.26));
        pen.fill(ellipse(0.7, 0.82, 0.08, 0.06));
        pen.fill(rectangle(0.74, 0.5, 0.04, 0.32));
        pen.fill(polygon({{0.74, 0.5}, {0.92, 0.56}, {0.92, 0.64}, {0.74, 0.58}}));
        pen.line(0.2, 0.76, 0.54, 0.76, 0.05);
        pen.line(0.2, 0.88, 0.54, 0.88, 0.05);
        break;
    case Pictogram::Copy:
        pen.strokeOutside(rectangle(0.1, 0.06, 0.52, 0.64), rectangle(0.38, 0.3, 0.52, 0.64), 0.06);
        page(pen, 0.38, 0.3, 0.52, 0.64);
        break;
    case Pictogram::Trash:
        pen.line(0.14, 0.22, 0.86, 0.22, 0.07);
        pen.stroke(polygon({{0.38, 0.22}, {0.4, 0.1}, {0.6, 0.1}, {0.62, 0.22}}), 0.06);
        pen.stroke(polygon({{0.2, 0.3}, {0.8, 0.3}, {0.74, 0.92}, {0.26, 0.92}}), 0.07);
        pen.line(0.4, 0.4, 0.42, 0.82, 0.05);
        pen.line(0.6, 0.4, 0.58, 0.82, 0.05);
        break;
    case Pictogram::Clipboard:
        pen.stroke(rounded(0.16, 0.14, 0.68, 0.8, 0.06), 0.07);
        pen.fill(rounded(0.34, 0.06, 0.32, 0.16, 0.04));
        for (int i = 0; i < 3; ++i)
            pen.line(0.3, 0.4 + i * 0.16, 0.7, 0.4 + i * 0.16, 0.05);
        break;
    case Pictogram::Record: {
        pen.fill(rounded(0.36, 0.06, 0.28, 0.5, 0.14));
        QPainterPath holder;
        holder.arcMoveTo(QRectF(0.24, 0.2, 0.52, 0.5), 180);
        holder.arcTo(QRectF(0.24, 0.2, 0.52, 0.5), 180, 180);
        pen.stroke(holder, 0.06);
        pen.line(0.5, 0.7, 0.5, 0.86, 0.06);
        pen.line(0.32, 0.9, 0.68, 0.9, 0.07);
        break;
    }
    case Pictogram::HandBackKeep:
    case Pictogram::HandBackClose: {
        window(pen, 0.06, 0.42, 0.56, 0.5);
        QPainterPath arrow(QPointF(0.8, 0.3));
        arrow.quadTo(QPointF(0.8, 0.72), QPointF(0.4, 0.72));
        pen.stroke(arrow, 0.09);
        pen.fill(arrowHead(arrow, 0.2));
        // What becomes of the window the animation comes from: an icon, or nothing.
        if (pictogram == Pictogram::HandBackKeep) {
            pen.line(0.66, 0.12, 0.94, 0.12, 0.09);
        } else {
            pen.line(0.7, 0.04, 0.9, 0.22, 0.08);
            pen.line(0.9, 0.04, 0.7, 0.22, 0.08);
        }
        break;
    }
    }
    painter.restore();
}
