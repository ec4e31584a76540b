#pragma once

// Per user: is another process of this program running?
class InstanceGuard
{
public:
    virtual ~InstanceGuard() = default;
    virtual bool previousInstanceRunning() = 0;
};
