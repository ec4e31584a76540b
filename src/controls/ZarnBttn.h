#pragma once

#include "controls/MouseEvent.h"
#include "controls/Pictogram.h"

#include <QWidget>

// The skinned button: a two-colour gradient face, a caption that takes the highlight colour
// under the mouse, an optional pictogram. Colours are 0x00BBGGRR integers.
class ZarnBttn : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(quint32 gradientcolorstart READ gradientColorStart WRITE setGradientColorStart)
    Q_PROPERTY(quint32 gradientcolorend READ gradientColorEnd WRITE setGradientColorEnd)
    Q_PROPERTY(quint32 forecolor READ foreColor WRITE setForeColor)
    Q_PROPERTY(quint32 highlightcolor READ highlightColor WRITE setHighlightColor)
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(int gradientsens READ gradientSens WRITE setGradientSens)
    Q_PROPERTY(Qt::Alignment captionalignment READ captionAlignment WRITE setCaptionAlignment)

public:
    explicit ZarnBttn(QWidget *parent = nullptr);

    quint32 gradientColorStart() const { return m_start; }
    void setGradientColorStart(quint32 colour);
    quint32 gradientColorEnd() const { return m_end; }
    void setGradientColorEnd(quint32 colour);
    quint32 foreColor() const { return m_fore; }
    void setForeColor(quint32 colour);
    quint32 highlightColor() const { return m_highlight; }
    void setHighlightColor(quint32 colour);
    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    // 0: start colour at the left, end at the right; 1: start at the top, end at the bottom.
    int gradientSens() const { return m_sens; }
    void setGradientSens(int sens);
    Pictogram picture() const { return m_picture; }
    void setPicture(Pictogram picture);
    Qt::Alignment captionAlignment() const { return m_alignment; }
    void setCaptionAlignment(Qt::Alignment alignment);

    bool isHovered() const { return m_hovered; }
    bool isPressed() const { return m_pressed; }
    // The colour the caption and pictogram are drawn in now: highlight under the mouse, grey
    // when disabled.
    QColor inkColour() const;
    // A band is a button with neither caption nor picture; a disabled band keeps its look.
    bool isBand() const { return m_caption.isEmpty() && m_picture == Pictogram::None; }
    QSize sizeHint() const override;

signals:
    void clicked();
    void mouseDown(const ControlMouse &mouse);
    void mouseMove(const ControlMouse &mouse);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    quint32 m_start = 0x808000;
    quint32 m_end = 0xE0E0E0;
    quint32 m_fore = 0xFFFFFF;
    quint32 m_highlight = 0xDEFF6C;
    QString m_caption;
    int m_sens = 1;
    Pictogram m_picture = Pictogram::None;
    Qt::Alignment m_alignment = Qt::AlignCenter;
    bool m_hovered = false;
    bool m_pressed = false;
};
