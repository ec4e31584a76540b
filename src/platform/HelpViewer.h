#pragma once

#include <QString>

class HelpViewer
{
public:
    virtual ~HelpViewer() = default;
    virtual void showFile(const QString &helpFile) = 0;
    virtual void showTopic(const QString &helpFile, int context) = 0;
};
