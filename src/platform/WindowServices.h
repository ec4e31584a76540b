#pragma once

#include <QString>

// Top-level windows of the whole desktop, ours or not.
class WindowServices
{
public:
    using WindowId = quint64;
    virtual ~WindowServices() = default;
    // 0 when no top-level window has exactly this title.
    virtual WindowId findTopLevel(const QString &title) const = 0;
    virtual void requestClose(WindowId window) = 0;
    // Brings the application whose window has this title to the front; false when none.
    virtual bool activate(const QString &title) = 0;
    virtual bool exists(WindowId window) const = 0;
};
