#pragma once

#include <QByteArray>

// The program's built-in sounds, each a complete RIFF/WAVE file made in code:
// 19, a six-second chime (PCM, mono, 22050 Hz, 8 bits), played from the empty media pane;
// 20, a short stereo signal of 0.35 s (PCM, 22050 Hz, 16 bits), played after a copy.
// Any other number gives an empty array.
QByteArray resourceSound(int number);
