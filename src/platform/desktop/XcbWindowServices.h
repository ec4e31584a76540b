#pragma once

#include "platform/WindowServices.h"

#include <QByteArray>

#include <memory>

// Top-level windows of the X11 desktop, through our own xcb connection (whatever Qt's own
// platform is). With no display every call answers "none" quietly.
class XcbWindowServices : public WindowServices
{
public:
    // An empty display name means $DISPLAY.
    explicit XcbWindowServices(const QByteArray &displayName = {});
    ~XcbWindowServices() override;

    bool connected() const;

    WindowId findTopLevel(const QString &title) const override;
    void requestClose(WindowId window) override;
    bool activate(const QString &title) override;
    bool exists(WindowId window) const override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
