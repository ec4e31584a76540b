#pragma once

#include <QMouseEvent>

// The arguments of a skinned control's mouse events: button 1 left, 2 right, 4 middle;
// shift 1 Shift, 2 Ctrl, 4 Alt; x and y in twips inside the control.
struct ControlMouse
{
    int button = 0;
    int shift = 0;
    double x = 0;
    double y = 0;

    static ControlMouse from(const QMouseEvent *event);
};
