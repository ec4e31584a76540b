#include "TestMain.h"

#include "platform/desktop/LockFileInstanceGuard.h"
#include "platform/desktop/SystemClock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

void writeLock(const QString &path, const QByteArray &content)
{
    QFile lock(path);
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write(content);
}

} // namespace

class TestInstanceGuard : public QObject
{
    Q_OBJECT

private slots:
    void secondGuardSeesTheFirst()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("kinovue-st.lock");
        LockFileInstanceGuard first(path);
        QVERIFY(!first.previousInstanceRunning());
        LockFileInstanceGuard second(path);
        QVERIFY(second.previousInstanceRunning());
        // The answers do not change on asking again.
        QVERIFY(!first.previousInstanceRunning());
        QVERIFY(second.previousInstanceRunning());
    }

    void lockIsReleasedWhenTheInstanceEnds()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("kinovue-st.lock");
        {
            LockFileInstanceGuard first(path);
            QVERIFY(!first.previousInstanceRunning());
        }
        LockFileInstanceGuard later(path);
        QVERIFY(!later.previousInstanceRunning());
    }

    void secondInstanceThatGoesOnDoesNotFreeTheLock()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("kinovue-st.lock");
        LockFileInstanceGuard first(path);
        QVERIFY(!first.previousInstanceRunning());
        {
            LockFileInstanceGuard second(path);
            QVERIFY(second.previousInstanceRunning());
        }
        LockFileInstanceGuard third(path);
        QVERIFY(third.previousInstanceRunning());
    }

    void lockOfAnotherInstanceCounts()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("kinovue-st.lock");
        // Another instance: a process of this user running a program of our name (a copy of
        // "sleep" under it), named in the lock as QLockFile writes it (number, name, host).
        const QString program
            = dir.filePath(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
        QVERIFY(QFile::copy(QStandardPaths::findExecutable("sleep"), program));
        QProcess holder;
        holder.start(program, {QStringLiteral("30")});
        QVERIFY(holder.waitForStarted());
        writeLock(path, QByteArray::number(holder.processId()) + "\n"
                            + QFileInfo(program).fileName().toUtf8() + "\n"
                            + QSysInfo::machineHostName().toUtf8() + "\n");

        LockFileInstanceGuard guard(path);
        QVERIFY(guard.previousInstanceRunning());

        holder.kill();
        holder.waitForFinished();
        // Its process gone, the lock is stale and a new instance takes it.
        LockFileInstanceGuard after(path);
        QVERIFY(!after.previousInstanceRunning());
        LockFileInstanceGuard third(path);
        QVERIFY(third.previousInstanceRunning());
    }

    void lockWithoutAConfirmedOwnerIsTakenOver_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("folder");
        const QByteArray host = QSysInfo::machineHostName().toUtf8();
        const QByteArray self = QByteArray::number(QCoreApplication::applicationPid());
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("random bytes") << QByteArray("\x8f\x00\xfe\x12garbage\n\x01", 12) << false;
        QTest::newRow("a folder") << QByteArray() << true;
        QTest::newRow("another host's") << self + "\nkinovue\nautre-machine\n" << false;
        QTest::newRow("another program's process") << QByteArray("1\nkinovue\n") + host + "\n"
                                                   << false;
        QTest::newRow("no such process") << QByteArray("2147483646\nkinovue\n") + host + "\n"
                                         << false;
        QTest::newRow("negative number") << QByteArray("-5\nkinovue\n") + host + "\n" << false;
    }

    void lockWithoutAConfirmedOwnerIsTakenOver()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, folder);
        QTemporaryDir dir;
        const QString path = dir.filePath("kinovue-st.lock");
        if (folder)
            QVERIFY(QDir().mkpath(path));
        else
            writeLock(path, content);
        LockFileInstanceGuard guard(path);
        QVERIFY(!guard.previousInstanceRunning());
        // Taken over: the next instance sees this one.
        LockFileInstanceGuard next(path);
        QVERIFY(next.previousInstanceRunning());
    }

    void unusableLockFolderMeansNoneRunning()
    {
        LockFileInstanceGuard guard(QStringLiteral("/nonexistent/folder/kinovue-st.lock"));
        QVERIFY(!guard.previousInstanceRunning());
    }

    void clockAndRandomStayInRange()
    {
        SystemClock clock;
        const double seconds = clock.secondsSinceMidnight();
        QVERIFY(seconds >= 0 && seconds < 86400);
        const qint64 start = clock.elapsedMs();
        QTest::qWait(30);
        QVERIFY(clock.elapsedMs() - start >= 25);

        SystemRandom random;
        double low = 1;
        double high = 0;
        for (int i = 0; i < 2000; ++i) {
            const double r = random.next();
            QVERIFY(r >= 0 && r < 1);
            low = std::min(low, r);
            high = std::max(high, r);
        }
        QVERIFY(low < 0.1 && high > 0.9);
    }
};

KV_TEST_MAIN(TestInstanceGuard)
#include "tst_instanceguard.moc"
