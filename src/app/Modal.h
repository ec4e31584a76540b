#pragma once

class QWidget;

// Shows a window modal to the whole program and returns once it is hidden or destroyed,
// the way a load step waits for a dialog it opened.
void runModal(QWidget *window);
