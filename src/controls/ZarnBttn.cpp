#include "ZarnBttn.h"

#include "controls/SkinPaint.h"
#include "core/Colour.h"

#include <QEnterEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QPointer>

namespace {

constexpr double Padding = 2.0;
constexpr int TextFlags = Qt::TextWordWrap;

} // namespace

ZarnBttn::ZarnBttn(QWidget *parent)
    : QWidget(parent)
{
    setFont(SkinPaint::captionFont());
    // The program sets the hover hint on every move, not only while a button is held.
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover, true);
}

void ZarnBttn::setGradientColorStart(quint32 colour)
{
    m_start = colour;
    update();
}

void ZarnBttn::setGradientColorEnd(quint32 colour)
{
    m_end = colour;
    update();
}

void ZarnBttn::setForeColor(quint32 colour)
{
    m_fore = colour;
    update();
}

void ZarnBttn::setHighlightColor(quint32 colour)
{
    m_highlight = colour;
    update();
}

void ZarnBttn::setCaption(const QString &caption)
{
    m_caption = caption;
    updateGeometry();
    update();
}

void ZarnBttn::setGradientSens(int sens)
{
    m_sens = sens;
    update();
}

void ZarnBttn::setPicture(Pictogram picture)
{
    m_picture = picture;
    update();
}

void ZarnBttn::setCaptionAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

QColor ZarnBttn::inkColour() const
{
    if (!isEnabled())
        return SkinPaint::disabledInk();
    return Colour::toQColor(m_hovered ? m_highlight : m_fore);
}

QSize ZarnBttn::sizeHint() const
{
    const QFontMetricsF metrics(font());
    double width = metrics.horizontalAdvance(m_caption) + 4 * Padding;
    double height = metrics.height() + 4 * Padding;
    if (m_picture != Pictogram::None) {
        width = std::max(width, 40.0);
        height += 24.0;
    }
    return QSizeF(std::max(width, 20.0), std::max(height, 20.0)).toSize();
}

void ZarnBttn::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRectF face(QPointF(0, 0), QSizeF(size()));
    const bool pressedLook = m_pressed && m_hovered;

    QColor start = Colour::toQColor(m_start);
    QColor end = Colour::toQColor(m_end);
    if (pressedLook) {
        start = start.darker(120);
        end = end.darker(120);
    }
    SkinPaint::fillGradient(painter, face, start, end, m_sens);
    if (pressedLook)
        SkinPaint::drawSunkenFrame(painter, face);
    if (isBand())
        return;

    QRectF content = face.adjusted(Padding, Padding, -Padding, -Padding);
    if (pressedLook)
        content.translate(1.0, 1.0);
    const QColor ink = inkColour();
    const int textFlags = int(m_alignment) | TextFlags;

    QRectF textBox = content;
    if (m_picture != Pictogram::None) {
        QRectF pictureArea = content;
        if (!m_caption.isEmpty()) {
            const QFontMetricsF metrics(font());
            const double textHeight
                = metrics.boundingRect(content, textFlags | Qt::AlignHCenter, m_caption).height();
            pictureArea.setBottom(content.bottom() - textHeight);
            textBox.setTop(pictureArea.bottom());
        }
        const double side = std::min(pictureArea.width(), pictureArea.height()) * 0.8;
        QRectF pictureBox(0, 0, side, side);
        pictureBox.moveCenter(pictureArea.center());
        if (!isEnabled()) {
            // An etched copy in white beneath, as classic disabled pictures are drawn.
            paintPictogram(painter, m_picture, pictureBox.translated(1, 1), QColor(255, 255, 255));
        }
        paintPictogram(painter, m_picture, pictureBox, ink);
    }
    if (m_caption.isEmpty())
        return;
    painter.setFont(font());
    if (!isEnabled()) {
        painter.setPen(QColor(255, 255, 255));
        painter.drawText(textBox.translated(1, 1), textFlags, m_caption);
    }
    painter.setPen(ink);
    painter.drawText(textBox, textFlags, m_caption);
}

void ZarnBttn::mousePressEvent(QMouseEvent *event)
{
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        update();
    }
    m_hovered = rect().contains(event->position().toPoint());
    // The handler may close the window that owns this button (the close button does).
    const QPointer<ZarnBttn> guard(this);
    emit mouseDown(ControlMouse::from(event));
    if (guard)
        event->accept();
}

void ZarnBttn::mouseReleaseEvent(QMouseEvent *event)
{
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    m_pressed = false;
    update();
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

void ZarnBttn::mouseMoveEvent(QMouseEvent *event)
{
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    const bool inside = rect().contains(event->position().toPoint());
    if (inside != m_hovered) {
        m_hovered = inside;
        update();
    }
    emit mouseMove(ControlMouse::from(event));
}

void ZarnBttn::enterEvent(QEnterEvent *event)
{
    m_hovered = isEnabled();
    update();
    QWidget::enterEvent(event);
}

void ZarnBttn::leaveEvent(QEvent *event)
{
    m_hovered = false;
    update();
    QWidget::leaveEvent(event);
}

void ZarnBttn::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange) {
        if (!isEnabled()) {
            m_pressed = false;
            m_hovered = false;
        }
        update();
    }
    QWidget::changeEvent(event);
}
