#include "ZarnPanel.h"

#include "controls/SkinPaint.h"
#include "core/Colour.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPointer>

namespace {

constexpr double Padding = 2.0;
constexpr double ThinBorder = 1.0;
constexpr double EmphasisedBorder = 3.0;

} // namespace

ZarnPanel::ZarnPanel(QWidget *parent)
    : QWidget(parent)
{
    setFont(SkinPaint::captionFont());
}

void ZarnPanel::setGradientColorStart(quint32 colour)
{
    m_start = colour;
    update();
}

void ZarnPanel::setGradientColorEnd(quint32 colour)
{
    m_end = colour;
    update();
}

void ZarnPanel::setForeColor(quint32 colour)
{
    m_fore = colour;
    update();
}

void ZarnPanel::setBackColor(quint32 colour)
{
    m_back = colour;
    update();
}

void ZarnPanel::setBorderStyle(int style)
{
    m_border = style;
    update();
}

void ZarnPanel::setCaption(const QString &caption)
{
    m_caption = caption;
    updateGeometry();
    update();
}

void ZarnPanel::setGradientSens(int sens)
{
    m_sens = sens;
    update();
}

void ZarnPanel::setCaptionAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

QSize ZarnPanel::sizeHint() const
{
    const QFontMetricsF metrics(font());
    const double width = metrics.horizontalAdvance(m_caption) + 4 * Padding;
    const double height = metrics.height() + 4 * Padding;
    return QSizeF(std::max(width, 40.0), std::max(height, 20.0)).toSize();
}

void ZarnPanel::setVerticalCaption(int stripWidth)
{
    m_verticalCaption = stripWidth;
    update();
}

void ZarnPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRectF face(QPointF(0, 0), QSizeF(size()));
    if (m_sens < 0)
        painter.fillRect(face, Colour::toQColor(m_back));
    else
        SkinPaint::fillGradient(painter, face, Colour::toQColor(m_start), Colour::toQColor(m_end),
                                m_sens);

    double inset = 0.0;
    if (m_border == 1) {
        painter.setPen(QPen(QColor(0, 0, 0, 160), ThinBorder));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(face.adjusted(0.5, 0.5, -0.5, -0.5));
        inset = ThinBorder;
    } else if (m_border >= 2) {
        // The mark of the selected pane: a heavy dark frame with a light inner edge, visible on
        // any pair of gradient colours.
        painter.setPen(
            QPen(QColor(0, 0, 0), EmphasisedBorder, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        const double half = EmphasisedBorder / 2.0;
        painter.drawRect(face.adjusted(half, half, -half, -half));
        painter.setPen(QPen(QColor(255, 255, 255), 1.0));
        painter.drawRect(face.adjusted(EmphasisedBorder + 0.5, EmphasisedBorder + 0.5,
                                       -EmphasisedBorder - 0.5, -EmphasisedBorder - 0.5));
        inset = EmphasisedBorder + 1.0;
    }

    if (m_caption.isEmpty())
        return;
    painter.setFont(font());
    painter.setPen(Colour::toQColor(m_fore));
    if (m_verticalCaption > 0) {
        // A pop-up menu's title runs up its left strip, beside the items.
        painter.translate(0, height());
        painter.rotate(-90);
        painter.drawText(QRectF(inset + Padding, inset, height() - 2 * (inset + Padding),
                                m_verticalCaption - inset),
                         Qt::AlignCenter, m_caption);
        return;
    }
    const QRectF textBox
        = face.adjusted(inset + Padding, inset + Padding, -inset - Padding, -inset - Padding);
    painter.drawText(textBox, int(m_alignment) | Qt::TextWordWrap, m_caption);
}

void ZarnPanel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
    const QPointer<ZarnPanel> guard(this);
    emit mouseDown(ControlMouse::from(event));
    if (guard)
        event->accept();
}

void ZarnPanel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    m_pressed = false;
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}
