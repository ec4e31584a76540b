#include "LockFileInstanceGuard.h"

#include "core/Logging.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QSysInfo>

#include <unistd.h>

namespace {

QString defaultLockPath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!folder.isEmpty())
        return folder + QStringLiteral("/kinovue-st.lock");
    // The shared temporary folder: one lock per user, so one user's copy never stops another's.
    return QDir::tempPath() + QStringLiteral("/kinovue-st-%1.lock").arg(getuid());
}

// The name of the program a process runs, as the system shows it; empty when it cannot be
// seen (no such process, or another user's).
QString programOf(const QString &process)
{
    QString target = QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(process));
    // A program replaced on disk while it runs still is that program.
    target.remove(QStringLiteral(" (deleted)"));
    return QFileInfo(target).fileName();
}

// True only when the lock names a process of this host and this user that runs this program.
// Anything else (unreadable, empty, another host's, a process gone or another program's) is
// a lock nobody holds.
bool ownerConfirmed(const QLockFile &lock)
{
    qint64 pid = 0;
    QString host;
    QString application;
    if (!lock.getLockInfo(&pid, &host, &application) || pid <= 0
        || host != QSysInfo::machineHostName())
        return false;
    const QFileInfo process(QStringLiteral("/proc/%1").arg(pid));
    if (!process.isDir() || process.ownerId() != ::getuid())
        return false;
    const QString ours = programOf(QStringLiteral("self"));
    return !ours.isEmpty() && programOf(QString::number(pid)) == ours;
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
    if (m_lock->tryLock(0))
        return m_running = false;
    if (m_lock->error() == QLockFile::LockFailedError && ownerConfirmed(*m_lock))
        return m_running = true;
    // Left by a process that is gone, or not a lock at all: taken over.
    qCInfo(lcPlatform) << "instance lock stale or unreadable, taken over:" << m_path;
    if (!m_lock->removeStaleLockFile())
        QDir().rmdir(m_path);
    if (!m_lock->tryLock(0)) {
        qCWarning(lcPlatform) << "instance lock unusable, assuming none runs:" << m_path;
        m_lock.reset();
    }
    return m_running = false;
}
