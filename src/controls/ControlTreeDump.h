#pragma once

#include <QJsonArray>

class Form;

// The window and every named control in it, one JSON object each, in build order: name, class,
// container, twips rectangle, visible and enabled flags, caption, hint and colour properties.
// Used to compare a window with its layout table.
QJsonArray dumpControlTree(const Form &form);
