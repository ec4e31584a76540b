#pragma once

// Whether the desktop offers a sound output at all: a sound server or a playback device.
// Without one, players go straight to their silent output instead of probing each audio
// system in turn, which costs time and fills the terminal with the systems' complaints.
namespace AudioDevices {

bool outputAvailable();

} // namespace AudioDevices
