#pragma once

#include <QObject>

#include <array>

struct General;
class PictureBox;
class ScrollBar;

// The colour chooser's three sliders: a position p gives its channel at intensity 255 - p, so
// a slider at the top is the full channel. Each move repaints that channel's preview and the
// mixed one, and the shared position follows at once, whether the chooser is then accepted or
// cancelled.
class ColourMixer : public QObject
{
    Q_OBJECT

public:
    enum Channel { Red, Green, Blue };

    // Sliders and channel previews in red, green, blue order.
    ColourMixer(General &general, const std::array<ScrollBar *, 3> &sliders,
                const std::array<PictureBox *, 3> &previews, PictureBox &mixedPreview,
                QObject *parent = nullptr);

    // Sliders to the shared positions, every preview painted.
    void load();
    // The mixed colour of the sliders as they stand, 0x00BBGGRR.
    quint32 mixed() const;
    // Shared positions and the background colour from the sliders.
    quint32 accept();

    static quint32 mix(int red, int green, int blue);
    static quint32 channelColour(Channel channel, int position);

private:
    void moved(Channel channel);
    int &shared(Channel channel);

    General &m_general;
    std::array<ScrollBar *, 3> m_sliders;
    std::array<PictureBox *, 3> m_previews;
    PictureBox &m_mixed;
};
