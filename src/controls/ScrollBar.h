#pragma once

#include <QWidget>

class QScrollBar;

// A scroll bar with the classic semantics: min is the value at the top (or left) end and max
// the value at the bottom (or right) end, so min may be larger than max (a speed bar running
// from 4000 at the top down to 100). Values outside the range are clamped.
class ScrollBar : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int min READ min WRITE setMin)
    Q_PROPERTY(int max READ max WRITE setMax)
    Q_PROPERTY(int smallChange READ smallChange WRITE setSmallChange)
    Q_PROPERTY(int largeChange READ largeChange WRITE setLargeChange)
    Q_PROPERTY(int value READ value WRITE setValue NOTIFY change)

public:
    explicit ScrollBar(Qt::Orientation orientation, QWidget *parent = nullptr);

    int min() const { return m_min; }
    void setMin(int value);
    int max() const { return m_max; }
    void setMax(int value);
    int smallChange() const;
    void setSmallChange(int step);
    int largeChange() const;
    void setLargeChange(int step);
    int value() const;
    void setValue(int value);

    Qt::Orientation orientation() const;
    QScrollBar *bar() const { return m_bar; }
    QSize sizeHint() const override;

signals:
    // The value changed, set by the program or by a finished move of the user.
    void change();
    // The user is dragging the thumb.
    void scroll();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void applyRange(int current);
    int toPosition(int value) const;
    int fromPosition(int position) const;
    int direction() const { return m_max >= m_min ? 1 : -1; }

    QScrollBar *m_bar = nullptr;
    int m_min = 0;
    int m_max = 32767;
    int m_reported = 0;
};
