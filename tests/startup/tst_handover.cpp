#include "MediaFactory.h"
#include "TestMain.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

using kvtest::MediaFactory;

// Two real copies of the program's start: the first runs; each later start answers the
// single-instance question and hands its files over through the real local socket.
class HandoverTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir runtime; // the user's private runtime folder: lock and socket
    MediaFactory media;
    QString clip;
    QProcess first;
    QStringList firstSaid;

    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        return env;
    }
    void start(QProcess &process, const QStringList &arguments)
    {
        process.setProcessEnvironment(environment());
        process.setWorkingDirectory(media.folder());
        process.start(QStringLiteral(KV_PEER), arguments);
    }
    QStringList openedByFirst()
    {
        firstSaid += QString::fromUtf8(first.readAllStandardOutput()).split(QLatin1Char('\n'));
        return firstSaid.filter(QStringLiteral("ouvert "));
    }

private slots:
    void initTestCase()
    {
        if (!MediaFactory::ffmpegAvailable())
            QSKIP("ffmpeg is needed to make the animation");
        QVERIFY(QFile::setPermissions(runtime.path(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        clip = media.make(MediaFactory::Format::AviRaw, 30).path;
        QVERIFY(!clip.isEmpty());
        start(first, {QStringLiteral("non")});
        QTRY_VERIFY_WITH_TIMEOUT(
            (firstSaid += QString::fromUtf8(first.readAllStandardOutput()).split('\n'))
                .contains(QStringLiteral("prêt")),
            20000);
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
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("error");
        QTest::addColumn<bool>("opensInFirst");
        const QString name = QFileInfo(clip).fileName();
        QTest::newRow("non with a file: the first copy opens it")
            << QStringList{"non", name} << 0 << "" << true;
        QTest::newRow("non with a missing file: said here, nothing handed")
            << QStringList{"non", "absent.avi"} << 0 << "« " + media.folder() + "/absent.avi » "
            << false;
        QTest::newRow("non without files: ends as before")
            << QStringList{"non"} << 0 << "" << false;
    }

    void laterStart()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, error);
        QFETCH(bool, opensInFirst);
        const int openedBefore = openedByFirst().size();
        QProcess later;
        start(later, arguments);
        QVERIFY(later.waitForFinished(20000));
        QCOMPARE(later.exitCode(), status);
        const QString said = QString::fromUtf8(later.readAllStandardOutput());
        QVERIFY2(said.contains(QStringLiteral("question"))
                     && !said.contains(QStringLiteral("prêt")),
                 qPrintable(said));
        const QString errors = QString::fromLocal8Bit(later.readAllStandardError());
        if (!error.isEmpty())
            QVERIFY2(errors.contains(error), qPrintable(errors));
        if (opensInFirst) {
            QTRY_COMPARE_WITH_TIMEOUT(openedByFirst().size(), openedBefore + 1, 10000);
            QCOMPARE(openedByFirst().last(), QStringLiteral("ouvert ") + clip);
        } else {
            QTest::qWait(500);
            QCOMPARE(openedByFirst().size(), openedBefore);
        }
    }

    // "Oui": a second copy runs side by side and opens its file itself.
    void secondCopyOpensItsOwn()
    {
        const int openedBefore = openedByFirst().size();
        QProcess second;
        start(second, {QStringLiteral("oui"), clip});
        QString said;
        QTRY_VERIFY_WITH_TIMEOUT(
            (said += QString::fromUtf8(second.readAllStandardOutput())).contains("ouvert " + clip),
            20000);
        QVERIFY(said.contains(QStringLiteral("question")));
        second.kill();
        second.waitForFinished(5000);
        QCOMPARE(openedByFirst().size(), openedBefore);
    }
};

KV_TEST_MAIN(HandoverTest)
#include "tst_handover.moc"
