#pragma once

#include <QWidget>

// A separator line. It runs along the longer side of its rectangle, in forecolor; a line of
// zero thickness in the layout table is placed one pixel thick so it can be seen.
class Line : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(quint32 forecolor READ foreColor WRITE setForeColor)
    Q_PROPERTY(int borderwidth READ borderWidth WRITE setBorderWidth)

public:
    explicit Line(QWidget *parent = nullptr);

    quint32 foreColor() const { return m_fore; }
    void setForeColor(quint32 colour);
    // Thickness in pixels.
    int borderWidth() const { return m_width; }
    void setBorderWidth(int width);
    Qt::Orientation orientation() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    quint32 m_fore = 0xFFFFFF;
    int m_width = 1;
};
