#include "LockFileInstanceGuard.h"

#include "core/Logging.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace {

QString defaultLockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/kinovue-st.lock");
}

} // namespace

LockFileInstanceGuard::LockFileInstanceGuard(const QString &lockPath)
    : m_path(lockPath.isEmpty() ? defaultLockPath() : lockPath)
{}

LockFileInstanceGuard::~LockFileInstanceGuard() = default;

bool LockFileInstanceGuard::previousInstanceRunning()
{
    // The answer cannot change while we hold the lock, and must not flip once we are the
    // second instance that was allowed to run.
    if (m_asked)
        return m_running;
    m_asked = true;
    m_lock = std::make_unique<QLockFile>(m_path);
    // Never stale by age: an instance may run for days.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) {
        m_running = false;
    } else {
        m_running = m_lock->error() == QLockFile::LockFailedError;
        if (!m_running)
            qCWarning(lcPlatform) << "instance lock unusable, assuming none runs:" << m_path;
        m_lock.reset();
    }
    return m_running;
}
