#include "PictureBox.h"

#include "core/Colour.h"

#include <QPainter>
#include <QResizeEvent>

// Not marked opaque: Qt then moves an opaque child taller than its parent by copying pixels
// on screen and leaves the rows that come into view unpainted (the scrolling credits).
PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{}

void PictureBox::setBackColor(quint32 colour)
{
    m_back = colour;
    clear();
}

void PictureBox::setForeColor(quint32 colour)
{
    m_fore = colour;
}

void PictureBox::clear()
{
    m_image = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    m_image.fill(Colour::toQColor(m_back));
    if (m_pictogram != Pictogram::None) {
        QPainter painter(&m_image);
        painter.setRenderHint(QPainter::Antialiasing);
        paintPictogram(painter, m_pictogram, QRectF(0, 0, m_pictogramSize, m_pictogramSize),
                       Colour::toQColor(m_fore));
    }
    m_currentY = 0;
    update();
}

void PictureBox::setPictogram(Pictogram pictogram, int size)
{
    m_pictogram = pictogram;
    m_pictogramSize = size;
    clear();
}

void PictureBox::fill(const QRectF &pixels, quint32 colour)
{
    fitImage();
    QPainter painter(&m_image);
    painter.fillRect(pixels, Colour::toQColor(colour));
    update();
}

void PictureBox::print(const QString &text)
{
    fitImage();
    const QFontMetricsF metrics(font());
    if (!text.isEmpty()) {
        QPainter painter(&m_image);
        painter.setFont(font());
        painter.setPen(Colour::toQColor(m_fore));
        painter.drawText(QPointF(0, m_currentY + metrics.ascent()), text);
        update();
    }
    m_currentY += metrics.height();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    fitImage();
    QPainter painter(this);
    painter.fillRect(event->rect(), Colour::toQColor(m_back));
    painter.drawImage(event->rect().topLeft(), m_image, event->rect());
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitImage();
}

void PictureBox::fitImage()
{
    // A hidden box gets its resize event only when shown: drawing checks the size itself.
    if (m_image.size() == size())
        return;
    // What was drawn stays where it was; new room shows the background.
    QImage grown(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    grown.fill(Colour::toQColor(m_back));
    if (!m_image.isNull()) {
        QPainter painter(&grown);
        painter.drawImage(0, 0, m_image);
    }
    m_image = grown;
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    emit mouseDown(ControlMouse::from(event));
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_pressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint()))
        emit clicked();
    m_pressed = false;
}
