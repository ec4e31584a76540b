#pragma once

#include <QString>

// Opens a web address in the desktop's default program for it (the browser). The caller does
// not look at the outcome.
class UrlOpener
{
public:
    virtual ~UrlOpener() = default;
    virtual void open(const QString &address) = 0;
};
