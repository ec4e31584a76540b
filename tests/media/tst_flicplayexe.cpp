#include "FlicWriter.h"
#include "TestMain.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

namespace {

const QString PlayProgram = QStringLiteral(KV_PROGRAM_DIR "/Play.exe");

// Five frames of 40 ms: one play lasts 200 ms.
void writeShortAnimation(const QString &path)
{
    FlicWriter writer(FlicWriter::Format::Flc, 32, 20, 40);
    FlicPicture previous = FlicPicture::pattern(32, 20, 0);
    writer.addFrame(
        {FlicWriter::colour256({qRgb(255, 0, 0), qRgb(0, 255, 0)}), FlicWriter::byteRun(previous)});
    for (int i = 1; i < 5; ++i) {
        const FlicPicture next = FlicPicture::pattern(32, 20, i);
        writer.addFrame({FlicWriter::deltaFlc(previous, next)});
        previous = next;
    }
    writer.save(path);
}

struct Run
{
    bool finished = false;
    int exitCode = -1;
    qint64 elapsedMs = 0;
    QByteArray errors;
};

Run runPlayer(const QStringList &arguments, const QString &folder = {})
{
    QProcess process;
    process.setWorkingDirectory(folder);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    process.start(PlayProgram, arguments);
    Run run;
    run.finished = process.waitForFinished(20000);
    run.elapsedMs = clock.elapsed();
    if (!run.finished)
        process.kill();
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.errors = process.readAllStandardError();
    return run;
}

} // namespace

class PlayExeTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void playsToTheEndAndExitsWithZero_data();
    void playsToTheEndAndExitsWithZero();
    void loopCountRepeatsThePlay();
    void fileNamedLikeAnOptionIsAFile_data();
    void fileNamedLikeAnOptionIsAFile();
    void unreadableFileEndsAtOnceWithAnError_data();
    void unreadableFileEndsAtOnceWithAnError();

private:
    QTemporaryDir m_dir;
};

void PlayExeTest::initTestCase()
{
    QVERIFY2(QFile::exists(PlayProgram), "build the Play.exe companion first");
    writeShortAnimation(m_dir.filePath(QStringLiteral("short.flc")));
    writeShortAnimation(m_dir.filePath(QStringLiteral("with space.flc")));
}

void PlayExeTest::playsToTheEndAndExitsWithZero_data()
{
    QTest::addColumn<QStringList>("arguments");

    const QString file = m_dir.filePath(QStringLiteral("short.flc"));
    QTest::newRow("-L1") << QStringList{file, QStringLiteral("-L1")};
    QTest::newRow("lower-case -l1") << QStringList{file, QStringLiteral("-l1")};
    QTest::newRow("no loop option: once") << QStringList{file};
    QTest::newRow("option before the file") << QStringList{QStringLiteral("-L2"), file};
    // The program passes names with spaces unquoted: they arrive as several words.
    QTest::newRow("name with a space, unquoted")
        << (m_dir.filePath(QStringLiteral("with space.flc")).split(QLatin1Char(' '))
            << QStringLiteral("-L1"));
}

void PlayExeTest::playsToTheEndAndExitsWithZero()
{
    QFETCH(QStringList, arguments);
    const Run run = runPlayer(arguments);
    QVERIFY2(run.finished, "the player did not end by itself");
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.elapsedMs >= 200, qPrintable(QString::number(run.elapsedMs)));
}

void PlayExeTest::loopCountRepeatsThePlay()
{
    const Run run = runPlayer({m_dir.filePath(QStringLiteral("short.flc")), QStringLiteral("-L4")});
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 0);
    // Four plays of 200 ms cannot end sooner than 800 ms.
    QVERIFY2(run.elapsedMs >= 800, qPrintable(QString::number(run.elapsedMs)));
}

void PlayExeTest::fileNamedLikeAnOptionIsAFile_data()
{
    QTest::addColumn<QStringList>("arguments");
    // Given to the toolkit, each of these would be obeyed: "-L1" as a platform name ends the
    // player before it reads its arguments; the others would swallow the file name.
    QTest::newRow("-platform") << QStringList{"-platform", "-L1"};
    QTest::newRow("-platformpluginpath") << QStringList{"-platformpluginpath", "-L1"};
    QTest::newRow("-qwindowgeometry") << QStringList{"-qwindowgeometry", "-L1"};
    QTest::newRow("like the loop option") << QStringList{"-L3", "-L1"};
}

void PlayExeTest::fileNamedLikeAnOptionIsAFile()
{
    QFETCH(QStringList, arguments);
    QTemporaryDir folder;
    writeShortAnimation(folder.filePath(arguments.first()));
    const Run run = runPlayer(arguments, folder.path());
    QVERIFY2(run.finished, "the player did not end by itself");
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.elapsedMs >= 200, qPrintable(QString::number(run.elapsedMs)));
}

void PlayExeTest::unreadableFileEndsAtOnceWithAnError_data()
{
    QTest::addColumn<QByteArray>("content");

    QTest::newRow("text") << QByteArray("not an animation at all\n").repeated(40);
    QTest::newRow("empty") << QByteArray();
    QByteArray absurd(256, '\0');
    absurd[4] = char(0x11);
    absurd[5] = char(0xAF);
    absurd[6] = char(10);
    absurd[9] = char(0x10); // 4096 x 4096, depth 255
    absurd[11] = char(0x10);
    absurd[12] = char(0xFF);
    QTest::newRow("absurd header") << absurd;
    QTest::newRow("missing file") << QByteArray("-");
}

void PlayExeTest::unreadableFileEndsAtOnceWithAnError()
{
    QFETCH(QByteArray, content);
    QString path = m_dir.filePath(QStringLiteral("bad.fli"));
    if (content == "-") {
        path = m_dir.filePath(QStringLiteral("nothing here.fli"));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    const Run run = runPlayer({path, QStringLiteral("-L65535")});
    QVERIFY2(run.finished, "a file that cannot be read must not start an endless play");
    QVERIFY(run.exitCode != 0);
    QVERIFY(run.errors.contains("impossible de lire"));
}

KV_TEST_MAIN(PlayExeTest)
#include "tst_flicplayexe.moc"
