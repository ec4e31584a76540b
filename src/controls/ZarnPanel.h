#pragma once

#include "controls/MouseEvent.h"

#include <QWidget>

// The skinned panel: a gradient (or plain backcolor) surface with an optional caption and a
// border; it contains other controls.
class ZarnPanel : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(quint32 gradientcolorstart READ gradientColorStart WRITE setGradientColorStart)
    Q_PROPERTY(quint32 gradientcolorend READ gradientColorEnd WRITE setGradientColorEnd)
    Q_PROPERTY(quint32 forecolor READ foreColor WRITE setForeColor)
    Q_PROPERTY(quint32 backcolor READ backColor WRITE setBackColor)
    Q_PROPERTY(int borderstyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(int gradientsens READ gradientSens WRITE setGradientSens)
    Q_PROPERTY(Qt::Alignment captionalignment READ captionAlignment WRITE setCaptionAlignment)

public:
    explicit ZarnPanel(QWidget *parent = nullptr);

    quint32 gradientColorStart() const { return m_start; }
    void setGradientColorStart(quint32 colour);
    quint32 gradientColorEnd() const { return m_end; }
    void setGradientColorEnd(quint32 colour);
    quint32 foreColor() const { return m_fore; }
    void setForeColor(quint32 colour);
    quint32 backColor() const { return m_back; }
    void setBackColor(quint32 colour);
    // 0 none, 1 thin, 2 emphasised.
    int borderStyle() const { return m_border; }
    void setBorderStyle(int style);
    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    // 0 horizontal, 1 vertical, -1 no gradient: plain backcolor (value displays).
    int gradientSens() const { return m_sens; }
    void setGradientSens(int sens);
    Qt::Alignment captionAlignment() const { return m_alignment; }
    void setCaptionAlignment(Qt::Alignment alignment);

    QSize sizeHint() const override;

    // Draws the caption turned up along a left strip this many pixels wide; 0: across the top.
    int verticalCaption() const { return m_verticalCaption; }
    void setVerticalCaption(int stripWidth);

signals:
    void clicked();
    void mouseDown(const ControlMouse &mouse);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    quint32 m_start = 0x808000;
    quint32 m_end = 0xE0E0E0;
    quint32 m_fore = 0xFFFFFF;
    quint32 m_back = 0xD2D200;
    int m_border = 0;
    QString m_caption;
    int m_sens = 1;
    Qt::Alignment m_alignment = Qt::AlignHCenter | Qt::AlignTop;
    bool m_pressed = false;
    int m_verticalCaption = 0;
};
