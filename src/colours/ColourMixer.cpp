#include "ColourMixer.h"

#include "app/General.h"
#include "controls/PictureBox.h"
#include "controls/ScrollBar.h"
#include "core/Colour.h"

ColourMixer::ColourMixer(General &general, const std::array<ScrollBar *, 3> &sliders,
                         const std::array<PictureBox *, 3> &previews, PictureBox &mixedPreview,
                         QObject *parent)
    : QObject(parent)
    , m_general(general)
    , m_sliders(sliders)
    , m_previews(previews)
    , m_mixed(mixedPreview)
{
    for (Channel channel : {Red, Green, Blue}) {
        ScrollBar *slider = m_sliders[channel];
        slider->setMin(0);
        slider->setMax(255);
        slider->setSmallChange(1);
        slider->setLargeChange(10);
        connect(slider, &ScrollBar::change, this, [this, channel] { moved(channel); });
        connect(slider, &ScrollBar::scroll, this, [this, channel] { moved(channel); });
    }
}

void ColourMixer::load()
{
    for (Channel channel : {Red, Green, Blue}) {
        const QSignalBlocker quiet(m_sliders[channel]);
        m_sliders[channel]->setValue(shared(channel));
        m_previews[channel]->setBackColor(channelColour(channel, shared(channel)));
    }
    m_mixed.setBackColor(mixed());
}

quint32 ColourMixer::mix(int red, int green, int blue)
{
    return Colour::bgr(255 - red, 255 - green, 255 - blue);
}

quint32 ColourMixer::channelColour(Channel channel, int position)
{
    const int intensity = 255 - position;
    return Colour::bgr(channel == Red ? intensity : 0, channel == Green ? intensity : 0,
                       channel == Blue ? intensity : 0);
}

quint32 ColourMixer::mixed() const
{
    return mix(m_sliders[Red]->value(), m_sliders[Green]->value(), m_sliders[Blue]->value());
}

quint32 ColourMixer::accept()
{
    for (Channel channel : {Red, Green, Blue})
        shared(channel) = m_sliders[channel]->value();
    m_general.CouleurFondEcran = mixed();
    return m_general.CouleurFondEcran;
}

void ColourMixer::moved(Channel channel)
{
    const int position = m_sliders[channel]->value();
    m_previews[channel]->setBackColor(channelColour(channel, position));
    m_mixed.setBackColor(mixed());
    shared(channel) = position;
}

int &ColourMixer::shared(Channel channel)
{
    switch (channel) {
    case Red:
        return m_general.CurseurRouge;
    case Green:
        return m_general.CurseurVert;
    case Blue:
        break;
    }
    return m_general.CurseurBleu;
}
