#pragma once

#include "platform/UrlOpener.h"

// The desktop's own way to open an address (xdg-open and the like, chosen by Qt).
class DesktopUrlOpener : public UrlOpener
{
public:
    void open(const QString &address) override;
};
