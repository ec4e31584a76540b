#pragma once

#include <QtGlobal>

// The form-level values of the media file manager, fresh at every opening.
struct FenMCIState
{
    // Plays a file as soon as it is clicked.
    bool JouerOuverture = false;
    // The length of the file last clicked.
    qint32 DureeMn = 0;
    qint32 DureeSec = 0;
    qint32 DureeMs = 0;
    // Its length in frames (animations only).
    qint32 ImagesFichier = 0;
};
