#pragma once

#include "controls/MouseEvent.h"
#include "controls/Pictogram.h"

#include <QImage>
#include <QWidget>

// A picture box whose drawing is persistent: everything is drawn into an image the control
// keeps, so it survives being covered and uncovered. Text is printed line after line from a
// current vertical position, in pixels. Child controls are clipped to the box.
class PictureBox : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(quint32 backcolor READ backColor WRITE setBackColor)
    Q_PROPERTY(quint32 forecolor READ foreColor WRITE setForeColor)

public:
    explicit PictureBox(QWidget *parent = nullptr);

    quint32 backColor() const { return m_back; }
    // A new background colour clears the drawing to it.
    void setBackColor(quint32 colour);
    quint32 foreColor() const { return m_fore; }
    void setForeColor(quint32 colour);

    // Clears the drawing to the background colour, the pictogram in the top left corner, and
    // goes back to the top.
    void clear();
    void setPictogram(Pictogram pictogram, int size);
    void fill(const QRectF &pixels, quint32 colour);

    double currentY() const { return m_currentY; }
    void setCurrentY(double pixels) { m_currentY = pixels; }
    // Prints one line at the left edge in the current font and fore colour, then moves the
    // current position down by the font's line height.
    void print(const QString &text);

    const QImage &image() const { return m_image; }

signals:
    void clicked();
    void mouseDown(const ControlMouse &mouse);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void fitImage();

    QImage m_image;
    quint32 m_back = 0xFFFFFF;
    quint32 m_fore = 0x000000;
    Pictogram m_pictogram = Pictogram::None;
    int m_pictogramSize = 32;
    double m_currentY = 0;
    bool m_pressed = false;
};
