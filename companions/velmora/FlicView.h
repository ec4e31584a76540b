#pragma once

#include <QImage>
#include <QWidget>

// Shows one picture scaled to the widget with its aspect kept, centred on a plain background.
class FlicView : public QWidget
{
    Q_OBJECT

public:
    explicit FlicView(QWidget *parent = nullptr);

    void setPicture(const QImage &picture);
    void setBackground(const QColor &colour);
    QSize sizeHint() const override { return {320, 200}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
    QColor m_background = Qt::black;
};
