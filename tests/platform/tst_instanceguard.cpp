#include "TestMain.h"

#include "platform/desktop/LockFileInstanceGuard.h"
#include "platform/desktop/SystemClock.h"

#include <QFile>
#include <QTemporaryDir>

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

    void lockOfAnotherProcessCounts()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("kinovue-st.lock");
        // A lock as another instance leaves it (process number, program name, host), naming a
        // process that really runs.
        QProcess holder;
        holder.start(QStringLiteral("sleep"), {QStringLiteral("30")});
        QVERIFY(holder.waitForStarted());
        QFile lock(path);
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(holder.processId()) + "\nsleep\n"
                   + QSysInfo::machineHostName().toUtf8() + "\n");
        lock.close();

        LockFileInstanceGuard guard(path);
        QVERIFY(guard.previousInstanceRunning());

        holder.kill();
        holder.waitForFinished();
        // Its process gone, the lock is stale and a new instance takes it.
        LockFileInstanceGuard after(path);
        QVERIFY(!after.previousInstanceRunning());
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
