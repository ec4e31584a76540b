#pragma once

#include "app/General.h"
#include "controls/Form.h"

// Paints a window's controls in the colour roles its layout table gives them.
inline void paintInRoles(Form &window, const General &general)
{
    window.paintRoles([&general](ColourRole::Role role) { return general.colour(role); });
}
