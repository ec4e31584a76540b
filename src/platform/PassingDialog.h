#pragma once

#include <QWidget>

// The platform's own short-lived dialogs (message boxes, file and colour dialogs) carry this
// mark, so that a window of the program can tell a return from one of them from a return
// from another window or another program.
namespace PassingDialog {

inline constexpr char Property[] = "kvPassingDialog";

inline void mark(QWidget &dialog)
{
    dialog.setProperty(Property, true);
}

inline bool isOne(const QWidget *window)
{
    return window && window->property(Property).toBool();
}

} // namespace PassingDialog
