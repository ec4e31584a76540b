#include "MediaFactory.h"
#include "TestMain.h"

#include <QProcess>
#include <QTemporaryDir>

using kvtest::MediaFactory;

// Two real processes: the first copy runs; a later start answers the single-instance
// question with "Non" and hands its files over through the local socket.
class HandoverTest : public QObject
{
    Q_OBJECT

    QTemporaryDir runtime; // the user's private runtime folder: lock and socket
    MediaFactory media;
    QString clip;
    QProcess first;
    QString firstSaid;

    void start(QProcess &process, const QStringList &arguments)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(media.folder());
        process.start(QStringLiteral(KV_PEER), arguments);
    }
    int openedByFirst()
    {
        firstSaid += QString::fromUtf8(first.readAllStandardOutput());
        return int(firstSaid.count(QStringLiteral("ouvert ") + clip));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QFile::setPermissions(runtime.path(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        clip = media.make(MediaFactory::Format::AviRaw, 30).path;
        QVERIFY(!clip.isEmpty());
        start(first, {QStringLiteral("non")});
        QTRY_VERIFY_WITH_TIMEOUT(openedByFirst() == 0 && firstSaid.contains("prêt"), 20000);
        QVERIFY(!firstSaid.contains(QStringLiteral("question")));
    }

    void cleanupTestCase()
    {
        first.kill();
        first.waitForFinished(5000);
    }

    void laterStart_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("error");
        QTest::addColumn<int>("opened"); // by the first copy, since the start
        QTest::newRow("a file, by its relative name")
            << QStringList{"non", QFileInfo(clip).fileName()} << "" << 1;
        QTest::newRow("a missing file is named here, nothing handed")
            << QStringList{"non", "absent.avi"} << "/absent.avi » est introuvable" << 0;
        QTest::newRow("no file") << QStringList{"non"} << "" << 0;
    }

    void laterStart()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, error);
        QFETCH(int, opened);
        const int before = openedByFirst();
        QProcess later;
        start(later, arguments);
        QVERIFY(later.waitForFinished(20000));
        QCOMPARE(later.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(later.readAllStandardOutput()), QStringLiteral("question\n"));
        const QString errors = QString::fromLocal8Bit(later.readAllStandardError());
        QVERIFY2(error.isEmpty() || errors.contains(error), qPrintable(errors));
        QTest::qWait(500);
        QTRY_COMPARE_WITH_TIMEOUT(openedByFirst(), before + opened, 10000);
    }
};

KV_TEST_MAIN(HandoverTest)
#include "tst_handover.moc"
