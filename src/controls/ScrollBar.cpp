#include "ScrollBar.h"

#include <QResizeEvent>
#include <QScrollBar>

#include <algorithm>

ScrollBar::ScrollBar(Qt::Orientation orientation, QWidget *parent)
    : QWidget(parent)
    , m_bar(new QScrollBar(orientation, this))
{
    m_bar->setSingleStep(1);
    m_bar->setPageStep(1);
    applyRange(0);
    m_reported = value();
    connect(m_bar, &QScrollBar::valueChanged, this, [this] {
        if (m_bar->isSliderDown()) {
            emit scroll();
            return;
        }
        m_reported = value();
        emit change();
    });
    // A drag reports scroll while it goes on, and one change when the thumb is let go.
    connect(m_bar, &QScrollBar::sliderReleased, this, [this] {
        if (value() != m_reported) {
            m_reported = value();
            emit change();
        }
    });
}

int ScrollBar::toPosition(int value) const
{
    return (value - m_min) * direction();
}

int ScrollBar::fromPosition(int position) const
{
    return m_min + position * direction();
}

void ScrollBar::applyRange(int current)
{
    // The position of an unchanged value moves when min moves, so the bar is rebuilt silently
    // and only a value that had to be clamped is reported.
    const int low = std::min(m_min, m_max);
    const int high = std::max(m_min, m_max);
    {
        const QSignalBlocker blocker(m_bar);
        m_bar->setRange(0, high - low);
        m_bar->setValue(toPosition(std::clamp(current, low, high)));
    }
    if (value() != m_reported) {
        m_reported = value();
        emit change();
    }
}

void ScrollBar::setMin(int value)
{
    const int current = this->value();
    m_min = value;
    applyRange(current);
}

void ScrollBar::setMax(int value)
{
    const int current = this->value();
    m_max = value;
    applyRange(current);
}

int ScrollBar::smallChange() const
{
    return m_bar->singleStep();
}
void ScrollBar::setSmallChange(int step)
{
    m_bar->setSingleStep(std::max(1, step));
}
int ScrollBar::largeChange() const
{
    return m_bar->pageStep();
}
void ScrollBar::setLargeChange(int step)
{
    m_bar->setPageStep(std::max(1, step));
}

int ScrollBar::value() const
{
    return fromPosition(m_bar->value());
}

void ScrollBar::setValue(int value)
{
    const int low = std::min(m_min, m_max);
    const int high = std::max(m_min, m_max);
    m_bar->setValue(toPosition(std::clamp(value, low, high)));
}

Qt::Orientation ScrollBar::orientation() const
{
    return m_bar->orientation();
}

QSize ScrollBar::sizeHint() const
{
    return m_bar->sizeHint();
}

void ScrollBar::resizeEvent(QResizeEvent *event)
{
    m_bar->setGeometry(QRect(QPoint(0, 0), event->size()));
    QWidget::resizeEvent(event);
}
