#pragma once

#include <QString>

struct FenMCIState;

// The texts and rules that differ between the sound and the animation file manager.
struct FileManagerMode
{
    bool animations = false;
    QString kindEntry;  // List1 entry 0
    QString pattern;    // file pattern of entry 0
    QString callerName; // the window it is placed against
    QString copyTitle;  // title of the copy dialog
    QString copyFilter; // filter of the copy dialog

    static FileManagerMode of(bool choixMultivues);
    // The status line for the length (and frames) held in the state.
    QString statusText(const FenMCIState &state) const;
};
