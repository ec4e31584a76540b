#pragma once

#include "platform/InstanceGuard.h"

#include <QString>

#include <memory>

class QLockFile;

// A lock file in the user's runtime folder, taken on the first question and held for the life
// of the process. Only a lock whose owner is confirmed as a running process of this program,
// of this user on this host, means another instance runs; any other lock (its process gone,
// unreadable, empty, a folder, another host's) is stale and taken over.
class LockFileInstanceGuard : public InstanceGuard
{
public:
    // An empty path means "kinovue-st.lock" in the user's runtime folder.
    explicit LockFileInstanceGuard(const QString &lockPath = {});
    ~LockFileInstanceGuard() override;

    bool previousInstanceRunning() override;

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
    bool m_asked = false;
    bool m_running = false;
};
