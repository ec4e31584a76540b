#pragma once

#include <QtGlobal>

struct General;
class QImage;

// The background screen's gradient: 256 bands, each 2 of the 512 units the window's height is
// divided into, from the press height down. Blue runs from 0 to 255 down the bands; the other
// two channels come from the colour chooser's sliders as they stand: red and green for a
// right-button press, green and blue otherwise.
class GradientBands
{
public:
    static constexpr int Count = 256;
    static constexpr double Units = 512;

    // button: 1 left, 2 right, 4 middle.
    GradientBands(const General &general, int button);

    quint32 colour(int band) const;
    // Paints every band from the press height (pixels) down; bands below the bottom edge fall
    // outside the picture and what lies above the press stays as it was.
    void paint(QImage &picture, int pressY) const;

private:
    int m_first;
    int m_second;
};
