#pragma once

#include "platform/UrlOpener.h"

#include <QStringList>

// Records the addresses the program asked to open.
class FakeUrlOpener : public UrlOpener
{
public:
    void open(const QString &address) override { opened.append(address); }
    QStringList opened;
};
