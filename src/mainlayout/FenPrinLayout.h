#pragma once

#include "controls/Form.h"

// The main window's controls, in build order, at their places for the default size.
QList<ControlSpec> fenPrinLayout();

// Zoom presets of the settings panel, by index of the `Zoom` button array.
inline constexpr int ZoomPresets[9] = {10, 50, 100, 150, 200, 250, 300, 350, 400};
QString zoomButtonName(int index);
