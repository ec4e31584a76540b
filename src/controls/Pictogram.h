#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

// The pictures on picture buttons, drawn as vector shapes so they stay crisp at any size.
enum class Pictogram {
    None,
    Play,
    Pause,
    Stop,
    Loop,
    FullScreen,
    ToStart,
    StepBack,
    StepForward,
    ToEnd,
    Open,      // folder
    Film,      // animation file
    Note,      // music
    Speaker,   // sound / volume
    Speed,     // gauge
    Zoom,      // magnifier
    Multiview, // grid of panes
    Slideshow, // stacked frames
    SlideshowStop,
    Settings,  // sliders
    FlcModule, // film reel
    FlcMenu,   // small reel with arrow
    Restore,   // window with arrows
    Screen,    // background screen
    Info,      // "i"
    Help,      // "?"
    Ok,        // tick
    Cancel,    // cross
    Close,     // exit door / cross
    Players,   // media players menu
    Copy,
    Trash,
    Clipboard,
    Record,       // sound recorder
    HandBackKeep, // arrow into a window, source kept as an icon
    HandBackClose // arrow into a window, source closed
};

void paintPictogram(QPainter &painter, Pictogram pictogram, const QRectF &box, const QColor &ink);
