#include "FlicWriter.h"
#include "TestMain.h"
#include "media/flic/FlicEngine.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>

namespace {

// Each frame is filled with its own palette index, and entry i is grey level i, so a picture
// tells which frame it is.
QString writeNumbered(const QTemporaryDir &dir, FlicWriter::Format format, int frames,
                      quint32 speed, const QString &name = QStringLiteral("anim.flc"))
{
    FlicWriter writer(format, 24, 10, speed);
    QList<QRgb> greys;
    for (int i = 0; i < 256; ++i)
        greys.append(qRgb(i, i, i));
    writer.addFrame(
        {FlicWriter::colour256(greys), FlicWriter::literal(FlicPicture::filled(24, 10, 0))});
    FlicPicture previous = FlicPicture::filled(24, 10, 0);
    for (int i = 1; i < frames; ++i) {
        const FlicPicture next = FlicPicture::filled(24, 10, uchar(i));
        writer.addFrame(
            {i % 2 ? FlicWriter::deltaFlc(previous, next) : FlicWriter::deltaFli(previous, next)});
        previous = next;
    }
    const QString path = dir.filePath(name);
    writer.save(path);
    return path;
}

int shownFrame(const FlicEngine &engine)
{
    return qRed(engine.frame().pixel(0, 0));
}

} // namespace

class FlicEngineTest : public QObject
{
    Q_OBJECT

private slots:
    void openReportsLengthFramesAndSize_data();
    void openReportsLengthFramesAndSize();
    void openRefusesWhatItCannotRead();
    void seeksAreExactAndClamped_data();
    void seeksAreExactAndClamped();
    void playRunsEveryFrameToTheEnd();
    void playStopsAtTheGivenEnd();
    void repeatRestartsWithoutEnding();
    void backwardPlayReachesTheFirstFrame();
    void lateTicksSkipFramesToCatchUp();
    void pauseAndStopKeepThePosition();
    void positionIsReportedWhilePlaying();
    void pauseHoldsTheTimeReachedBetweenTicks();
    void playAtTheEndEndsAtOnce();
    void closeReleasesTheMedia();
};

void FlicEngineTest::openReportsLengthFramesAndSize_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("frames");
    QTest::addColumn<int>("speed");
    QTest::addColumn<qint64>("lengthMs");

    QTest::newRow("FLI 384 frames at 5/70 s")
        << int(FlicWriter::Format::Fli) << 384 << 5 << qint64(27429);
    QTest::newRow("FLC 27 frames at 171 ms")
        << int(FlicWriter::Format::Flc) << 27 << 171 << qint64(4617);
}

void FlicEngineTest::openReportsLengthFramesAndSize()
{
    QFETCH(int, format);
    QFETCH(int, frames);
    QFETCH(int, speed);
    QFETCH(qint64, lengthMs);

    QTemporaryDir dir;
    FlicEngine engine;
    QSignalSpy stateSpy(&engine, &MediaEngine::stateChanged);
    QVERIFY(engine.open(writeNumbered(dir, FlicWriter::Format(format), frames, quint32(speed))));
    QCOMPARE(engine.state(), MediaEngine::State::Stopped);
    QCOMPARE(stateSpy.count(), 1);
    QCOMPARE(engine.lengthMs(), lengthMs);
    QCOMPARE(engine.frameCount(), qint64(frames));
    QCOMPARE(engine.naturalSize(), QSize(24, 10));
    QCOMPARE(engine.frame().size(), QSize(24, 10));
    QCOMPARE(engine.positionMs(), qint64(0));
    QCOMPARE(engine.positionFrame(), qint64(0));
}

void FlicEngineTest::openRefusesWhatItCannotRead()
{
    QTemporaryDir dir;
    const QString garbage = dir.filePath(QStringLiteral("garbage.flc"));
    QFile file(garbage);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4000, '\x5A'));
    file.close();

    FlicEngine engine;
    QVERIFY(engine.open(writeNumbered(dir, FlicWriter::Format::Flc, 3, 10)));
    QVERIFY(!engine.open(garbage));
    QCOMPARE(engine.state(), MediaEngine::State::Closed);
    QVERIFY(engine.frame().isNull());
    QCOMPARE(engine.lengthMs(), qint64(0));
    QVERIFY(!engine.open(dir.filePath(QStringLiteral("missing.flc"))));
    engine.play(-1, false);
    QCOMPARE(engine.state(), MediaEngine::State::Closed);
}

void FlicEngineTest::seeksAreExactAndClamped_data()
{
    QTest::addColumn<bool>("byFrame");
    QTest::addColumn<qint64>("target");
    QTest::addColumn<qint64>("frame");
    QTest::addColumn<qint64>("positionMs");

    // 50 FLI frames at 3/70 s: frame n starts at ceil(n * 300 / 7) ms.
    QTest::newRow("frame 7") << true << qint64(7) << qint64(7) << qint64(300);
    QTest::newRow("frame 1") << true << qint64(1) << qint64(1) << qint64(43);
    QTest::newRow("frame beyond the end") << true << qint64(99) << qint64(49) << qint64(2100);
    QTest::newRow("negative frame") << true << qint64(-4) << qint64(0) << qint64(0);
    QTest::newRow("ms just before frame 1") << false << qint64(42) << qint64(0) << qint64(42);
    QTest::newRow("ms at frame 1") << false << qint64(43) << qint64(1) << qint64(43);
    QTest::newRow("ms at the end") << false << qint64(2143) << qint64(49) << qint64(2143);
    QTest::newRow("ms beyond the end") << false << qint64(90000) << qint64(49) << qint64(2143);
}

void FlicEngineTest::seeksAreExactAndClamped()
{
    QFETCH(bool, byFrame);
    QFETCH(qint64, target);
    QFETCH(qint64, frame);
    QFETCH(qint64, positionMs);

    QTemporaryDir dir;
    FlicEngine engine;
    QVERIFY(engine.open(writeNumbered(dir, FlicWriter::Format::Fli, 50, 3)));
    QCOMPARE(engine.lengthMs(), qint64(2143));
    engine.seekFrame(20);
    QSignalSpy positionSpy(&engine, &MediaEngine::positionChanged);
    if (byFrame)
        engine.seekFrame(target);
    else
        engine.seekMs(target);
    QCOMPARE(engine.positionFrame(), frame);
    QCOMPARE(engine.positionMs(), positionMs);
    QCOMPARE(shownFrame(engine), int(frame));
    QCOMPARE(positionSpy.count(), 1);
}

void FlicEngineTest::playRunsEveryFrameToTheEnd()
{
    QTemporaryDir dir;
    FlicEngine engine;
    QVERIFY(engine.open(writeNumbered(dir, FlicWriter::Format::Flc, 12, 15)));
    QList<int> shown;
    connect(&engine, &MediaEngine::frameChanged, this, [&] { shown.append(shownFrame(engine)); });
    QSignalSpy endedSpy(&engine, &MediaEngine::ended);
    engine.play(-1, false);
    QCOMPARE(engine.state(), MediaEngine::State::Playing);
    QTRY_COMPARE_WITH_TIMEOUT(endedSpy.count(), 1, 10000);
    QCOMPARE(engine.state(), MediaEngine::State::Stopped);
    QCOMPARE(engine.positionFrame(), qint64(11));
    QCOMPARE(engine.positionMs(), engine.lengthMs());
    QVERIFY(!shown.isEmpty());
    QCOMPARE(shown.last(), 11);
    QVERIFY(std::is_sorted(shown.begin(), shown.end()));
}

void FlicEngineTest::playStopsAtTheGivenEnd()
{
    QTemporaryDir dir;
    FlicEngine engine;
    QVERIFY(engine.open(writeNumbered(dir, FlicWriter::Format::Flc, 40, 10)));
    engine.seekFrame(3);
    QSignalSpy endedSpy(&engine, &MediaEngine::ended);
    engine.play(125, false);
    QTRY_COMPARE_WITH_TIMEOUT(endedSpy.count(), 1, 10000);
    QCOMPARE(engine.positionMs(), qint64(125));
    QCOMPARE(engine.positionFrame(), qint64(12));
    QCOMPARE(shownFrame(engine), 12);
}

void FlicEngineTest::repeatRestartsWithoutEnding()
{
    QTemporaryDir dir;
    FlicEngine engine;
    QVERIFY(engine.open(writeNumbered(dir, FlicWriter::Format::Flc, 5, 20)));
    QList<int> shown;
    connect(&engine, &MediaEngine::frameChanged, this, [&] { shown.append(shownFrame(engine)); });
    QSignalSpy endedSpy(&engine, &MediaEngine::ended);
    engine.play(-1, true);
    // Two full rounds: the picture comes back to the first frame after the last.
    QTRY_VERIFY_WITH_TIMEOUT(shown.count(0) >= 2, 10000);
    engine.stop();
    QCOMPARE(endedSpy.count(), 0);
    const int seam = int(shown.indexOf(0));
    QVERIFY(seam > 0);
    QVERIFY(shown.at(seam - 1) > 0);
    QCOMPARE(engine.state(), MediaEngine::State::Stopped);
}

void FlicEngineTest::backwardPlayReachesTheFirstFrame()
{
    QTemporaryDir dir;
    FlicEngine engine;
    QVERIFY(engine.open(writeNumbered(dir, FlicWriter::Format::Fli, 60, 1)));
    engine.seekFrame(59);
    QList<int> shown;
    connect(&engine, &MediaEngine::frameChanged, this, [&] { shown.append(shownFrame(engine)); });
    QSignalSpy endedSpy(&engine, &MediaEngine::ended);
    engine.playBackward(0);
    QCOMPARE(engine.state(), MediaEngine::State::Playing);
    QTRY_COMPARE_WITH_TIMEOUT(endedSpy.count(), 1, 10000);
    QCOMPARE(engine.positionFrame(), qint64(0));
    QCOMPARE(engine.positionMs(), qint64(0));
    QCOMPARE(shownFrame(engine), 0);
    QVERIFY(std::is_sorted(shown.rbegin(), shown.rend()));
    QVERIFY(shown.size() > 1);
}

void FlicEngineTest::lateTicksSkipFramesToCatchUp()
{
    QTemporaryDir dir;
    FlicEngine engine;
    QVERIFY(engine.open(writeNumbered(dir, FlicWriter::Format::Flc, 200, 10)));
    QSignalSpy frameSpy(&engine, &MediaEngine::frameChanged);
    engine.play(-1, false);
    // The event loop is held up: the next tick must show the frame due now, not the next one.
    QThread::msleep(400);
    QTRY_VERIFY_WITH_TIMEOUT(frameSpy.count() >= 1, 5000);
    QVERIFY2(engine.positionFrame() >= 35, qPrintable(QString::number(engine.positionFrame())));
    QCOMPARE(frameSpy.count(), 1);
    engine.stop();
}

void FlicEngineTest::pauseAndStopKeepThePosition()
{
    QTemporaryDir dir;
    FlicEngine engine;
    QVERIFY(engine.open(writeNumbered(dir, FlicWriter::Format::Flc, 100, 10)));
    engine.seekFrame(30);
    engine.play(-1, false);
    engine.pause();
    QCOMPARE(engine.state(), MediaEngine::State::Paused);
    const qint64 paused = engine.positionFrame();
    QTest::qWait(80);
    QCOMPARE(engine.positionFrame(), paused);
    engine.play(-1, false);
    QTRY_VERIFY_WITH_TIMEOUT(engine.positionFrame() > paused, 5000);
    engine.stop();
    QCOMPARE(engine.state(), MediaEngine::State::Stopped);
    const qint64 stopped = engine.positionFrame();
    QTest::qWait(80);
    QCOMPARE(engine.positionFrame(), stopped);
    QCOMPARE(shownFrame(engine), int(stopped));
}

void FlicEngineTest::positionIsReportedWhilePlaying()
{
    QTemporaryDir dir;
    FlicEngine engine;
    // One long frame: the position still moves and is reported during it.
    QVERIFY(engine.open(writeNumbered(dir, FlicWriter::Format::Flc, 2, 2000)));
    QSignalSpy positionSpy(&engine, &MediaEngine::positionChanged);
    engine.play(-1, false);
    QTRY_VERIFY_WITH_TIMEOUT(positionSpy.count() >= 2, 5000);
    QVERIFY(engine.positionMs() > 0);
    QCOMPARE(engine.positionFrame(), qint64(0));
    engine.stop();
}

void FlicEngineTest::pauseHoldsTheTimeReachedBetweenTicks()
{
    QTemporaryDir dir;
    FlicEngine engine;
    QVERIFY(engine.open(writeNumbered(dir, FlicWriter::Format::Flc, 2, 2000)));
    QElapsedTimer clock;
    clock.start();
    engine.play(-1, false);
    QTest::qWait(150);
    engine.pause();
    const qint64 elapsed = clock.elapsed();
    // Media time runs with the wall clock, so it is at least the time waited.
    QVERIFY2(engine.positionMs() >= 150, qPrintable(QString::number(engine.positionMs())));
    QVERIFY(engine.positionMs() <= elapsed + 1);
    const qint64 held = engine.positionMs();
    QTest::qWait(50);
    QCOMPARE(engine.positionMs(), held);
}

void FlicEngineTest::playAtTheEndEndsAtOnce()
{
    QTemporaryDir dir;
    FlicEngine engine;
    QVERIFY(engine.open(writeNumbered(dir, FlicWriter::Format::Flc, 4, 10)));
    engine.seekMs(engine.lengthMs());
    QSignalSpy endedSpy(&engine, &MediaEngine::ended);
    engine.play(-1, false);
    QCOMPARE(endedSpy.count(), 1);
    QCOMPARE(engine.state(), MediaEngine::State::Stopped);
    // With repeat it starts again from the beginning instead.
    engine.play(-1, true);
    QCOMPARE(engine.state(), MediaEngine::State::Playing);
    QCOMPARE(engine.positionFrame(), qint64(0));
    engine.stop();
}

void FlicEngineTest::closeReleasesTheMedia()
{
    QTemporaryDir dir;
    FlicEngine engine;
    QVERIFY(engine.open(writeNumbered(dir, FlicWriter::Format::Flc, 4, 10)));
    engine.play(-1, true);
    engine.close();
    QCOMPARE(engine.state(), MediaEngine::State::Closed);
    QCOMPARE(engine.frameCount(), qint64(0));
    QVERIFY(engine.naturalSize().isEmpty());
    QVERIFY(engine.frame().isNull());
}

KV_TEST_MAIN(FlicEngineTest)
#include "tst_flicengine.moc"
