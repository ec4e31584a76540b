#include "MidiWriter.h"
#include "TestMain.h"
#include "media/midi/MidiEngine.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

using kvtest::MidiWriter;

namespace {

// Quarter notes on channel 0 at 120 bpm: each beat lasts 500 ms.
QByteArray beats(int count)
{
    MidiWriter w(0, 480);
    const int t = w.addTrack();
    w.tempoBpm(t, 0, 120);
    w.programChange(t, 0, 0, 0);
    for (int i = 0; i < count; ++i)
        w.note(t, quint32(i) * 480, 480, 60 + i);
    return w.toSmf();
}

// 120 bpm for two beats then 60 bpm for two: 3000 ms.
QByteArray twoTempoSong(int format)
{
    MidiWriter w(format, 480);
    const int tempo = w.addTrack();
    const int notes = format == 0 ? tempo : w.addTrack();
    w.tempoBpm(tempo, 0, 120);
    w.tempoBpm(tempo, 960, 60);
    for (quint32 beat = 0; beat < 4; ++beat)
        w.note(notes, beat * 480, 480, 60);
    return w.toSmf();
}

// The tests hear nothing: the synthesizer runs but its sound goes nowhere.
struct SilentEngine : MidiEngine
{
    SilentEngine() { setOutput(MidiEngine::Output::Silent); }
};

} // namespace

class TestMidiEngine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void findSoundFontPrefersGeneralMidi_data();
    void findSoundFontPrefersGeneralMidi();
    void openFailsWithoutSoundFont();
    void openRefusesWhatIsNotMidi_data();
    void openRefusesWhatIsNotMidi();
    void openReportsLengthAndNoPicture_data();
    void openReportsLengthAndNoPicture();
    void playsToTheEndAtTheSpeedAsked_data();
    void playsToTheEndAtTheSpeedAsked();
    void seekMovesThePosition_data();
    void seekMovesThePosition();
    void seekWhilePlayingContinuesFromThere();
    void seekRestoresInstruments_data();
    void seekRestoresInstruments();
    void speedChangeKeepsThePosition();
    void repeatRestartsWithoutEnding();
    void emptySongEndsAtOnceEvenRepeating();
    void playStopsAtItsEndPointForwardOrBackward();
    void haltKeepsThePosition_data();
    void haltKeepsThePosition();
    void closeReleasesTheFile();
    void samplesOpenAndPlay();

private:
    QString write(const QString &name, const QByteArray &bytes);
    bool haveSoundFont() const { return !m_soundFont.isEmpty(); }

    QTemporaryDir m_dir;
    QString m_soundFont;
};

#define REQUIRE_SOUNDFONT()                                                                        \
    if (!haveSoundFont())                                                                          \
    QSKIP("no General MIDI soundfont installed")

void TestMidiEngine::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_soundFont = MidiEngine::findSoundFont(MidiEngine::defaultSoundFontFolders());
}

QString TestMidiEngine::write(const QString &name, const QByteArray &bytes)
{
    const QString path = m_dir.filePath(name);
    if (!MidiWriter::save(path, bytes))
        qWarning() << "could not write" << path;
    return path;
}

void TestMidiEngine::findSoundFontPrefersGeneralMidi_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("expected");

    QTest::newRow("default-GM first")
        << QStringList{"a.sf2", "TimGM6mb.sf2", "default-GM.sf2"} << "default-GM.sf2";
    QTest::newRow("then TimGM6mb") << QStringList{"a.sf2", "TimGM6mb.sf2"} << "TimGM6mb.sf2";
    QTest::newRow("then any, by name") << QStringList{"sub/b.sf2", "c.sf2", "a.sf2"} << "a.sf2";
    QTest::newRow("in a subfolder") << QStringList{"x/y/gm.sf2", "notes.txt"} << "x/y/gm.sf2";
    QTest::newRow("dangling default link")
        << QStringList{"->default-GM.sf2", "TimGM6mb.sf2"} << "TimGM6mb.sf2";
    QTest::newRow("none") << QStringList{"readme.txt", "gm.sf3"} << QString();
}

void TestMidiEngine::findSoundFontPrefersGeneralMidi()
{
    QFETCH(QStringList, files);
    QFETCH(QString, expected);

    QTemporaryDir dir;
    for (const QString &file : files) {
        if (file.startsWith("->")) {
            QVERIFY(QFile::link(dir.filePath("missing.sf2"), dir.filePath(file.mid(2))));
            continue;
        }
        const QString path = dir.filePath(file);
        QDir().mkpath(QFileInfo(path).path());
        QVERIFY(MidiWriter::save(path, "sfbk"));
    }
    const QString found = MidiEngine::findSoundFont({dir.path()});
    QCOMPARE(found, expected.isEmpty() ? QString() : dir.filePath(expected));
}

void TestMidiEngine::openFailsWithoutSoundFont()
{
    QTemporaryDir empty;
    SilentEngine engine;
    engine.setSoundFontFolders({empty.path()});
    QVERIFY(!engine.open(write("nosf.mid", beats(2))));
    QCOMPARE(engine.state(), MediaEngine::State::Closed);
    QCOMPARE(engine.lengthMs(), 0);
}

void TestMidiEngine::openRefusesWhatIsNotMidi_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("text") << QByteArray("not a sound at all");
    QTest::newRow("WAVE") << QByteArray("RIFF\x24\0\0\0WAVEfmt \x10\0\0\0", 20) + QByteArray(16, 1);
    QTest::newRow("header only") << twoTempoSong(0).left(14);
}

void TestMidiEngine::openRefusesWhatIsNotMidi()
{
    REQUIRE_SOUNDFONT();
    QFETCH(QByteArray, bytes);
    SilentEngine engine;
    QVERIFY(engine.open(write("good.mid", beats(2))));
    QVERIFY(!engine.open(write("bad.mid", bytes)));
    QCOMPARE(engine.state(), MediaEngine::State::Closed);
    QCOMPARE(engine.lengthMs(), 0);
    engine.play(-1, false);
    QCOMPARE(engine.state(), MediaEngine::State::Closed);
}

void TestMidiEngine::openReportsLengthAndNoPicture_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("format 0") << twoTempoSong(0);
    QTest::newRow("format 1") << twoTempoSong(1);
    QTest::newRow("RMI") << MidiWriter::wrapRmi(twoTempoSong(1));
}

void TestMidiEngine::openReportsLengthAndNoPicture()
{
    REQUIRE_SOUNDFONT();
    QFETCH(QByteArray, bytes);
    SilentEngine engine;
    QSignalSpy states(&engine, &MediaEngine::stateChanged);
    QVERIFY(engine.open(write("song.mid", bytes)));
    QVERIFY(engine.isSilent());
    QCOMPARE(engine.state(), MediaEngine::State::Stopped);
    QCOMPARE(states.count(), 1);
    QCOMPARE(engine.lengthMs(), 3000);
    QCOMPARE(engine.positionMs(), 0);
    QCOMPARE(engine.frameCount(), 0);
    QVERIFY(engine.naturalSize().isEmpty());
    QVERIFY(engine.frame().isNull());
}

void TestMidiEngine::playsToTheEndAtTheSpeedAsked_data()
{
    QTest::addColumn<double>("speed");
    QTest::newRow("normal") << 1.0;
    QTest::newRow("double") << 2.0;
    QTest::newRow("half") << 0.5;
}

void TestMidiEngine::playsToTheEndAtTheSpeedAsked()
{
    REQUIRE_SOUNDFONT();
    QFETCH(double, speed);
    SilentEngine engine;
    QVERIFY(engine.open(write("three.mid", beats(3))));
    QCOMPARE(engine.lengthMs(), 1500);
    engine.setSpeed(speed);
    QSignalSpy states(&engine, &MediaEngine::stateChanged);
    QSignalSpy ended(&engine, &MediaEngine::ended);
    const qint64 expectedWall = qint64(1500 / speed);

    QElapsedTimer wall;
    wall.start();
    engine.play(-1, false);
    QCOMPARE(engine.state(), MediaEngine::State::Playing);
    QCOMPARE(states.count(), 1);

    QTest::qWait(int(expectedWall / 2));
    const qint64 midway = engine.positionMs();
    const qint64 expectedMidway = qint64(double(wall.elapsed()) * speed);
    QVERIFY2(std::abs(midway - expectedMidway) <= 150 * speed,
             qPrintable(
                 QStringLiteral("position %1, expected about %2").arg(midway).arg(expectedMidway)));
    QCOMPARE(ended.count(), 0);

    QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, int(expectedWall * 3 + 1000));
    const qint64 took = wall.elapsed();
    QVERIFY2(
        took >= expectedWall - 5 && took <= expectedWall + 600,
        qPrintable(QStringLiteral("ended after %1 ms, expected %2").arg(took).arg(expectedWall)));
    QCOMPARE(engine.state(), MediaEngine::State::Stopped);
    QCOMPARE(states.count(), 2);
    QCOMPARE(engine.positionMs(), 1500);
}

void TestMidiEngine::seekMovesThePosition_data()
{
    QTest::addColumn<qint64>("target");
    QTest::addColumn<qint64>("expected");
    QTest::newRow("inside") << qint64(1000) << qint64(1000);
    QTest::newRow("in the slow part") << qint64(2750) << qint64(2750);
    QTest::newRow("past the end") << qint64(99'000) << qint64(3000);
    QTest::newRow("before the start") << qint64(-500) << qint64(0);
}

void TestMidiEngine::seekMovesThePosition()
{
    REQUIRE_SOUNDFONT();
    QFETCH(qint64, target);
    QFETCH(qint64, expected);
    SilentEngine engine;
    QVERIFY(engine.open(write("song.mid", twoTempoSong(1))));
    QSignalSpy moved(&engine, &MediaEngine::positionChanged);
    engine.seekMs(target);
    QCOMPARE(engine.positionMs(), expected);
    QCOMPARE(moved.count(), 1);
    QCOMPARE(engine.state(), MediaEngine::State::Stopped);
}

void TestMidiEngine::seekWhilePlayingContinuesFromThere()
{
    REQUIRE_SOUNDFONT();
    SilentEngine engine;
    QVERIFY(engine.open(write("song.mid", twoTempoSong(1))));
    engine.play(-1, false);
    QTest::qWait(100);
    engine.seekMs(2000);
    QTest::qWait(200);
    const qint64 position = engine.positionMs();
    QVERIFY2(position >= 2150 && position <= 2400, qPrintable(QString::number(position)));
    QCOMPARE(engine.state(), MediaEngine::State::Playing);
}

void TestMidiEngine::seekRestoresInstruments_data()
{
    QTest::addColumn<qint64>("from");
    QTest::addColumn<qint64>("to");
    QTest::addColumn<int>("program0");
    QTest::addColumn<int>("program1");

    QTest::newRow("forward into the first part") << qint64(0) << qint64(500) << 40 << 0;
    QTest::newRow("forward past a change") << qint64(0) << qint64(2100) << 73 << 0;
    QTest::newRow("forward past both") << qint64(0) << qint64(2900) << 73 << 10;
    QTest::newRow("back before the changes") << qint64(2900) << qint64(100) << 40 << 0;
    QTest::newRow("exactly at a change") << qint64(2900) << qint64(2000) << 40 << 0;
}

void TestMidiEngine::seekRestoresInstruments()
{
    REQUIRE_SOUNDFONT();
    QFETCH(qint64, from);
    QFETCH(qint64, to);
    QFETCH(int, program0);
    QFETCH(int, program1);

    // At 120 bpm: program 40 at once on channel 0, 73 at 2000 ms; 10 on channel 1 at 2500 ms.
    MidiWriter w(1, 480);
    const int a = w.addTrack();
    const int b = w.addTrack();
    w.programChange(a, 0, 0, 40);
    w.programChange(a, 1920, 0, 73);
    w.note(a, 0, 2880, 60, 0);
    w.programChange(b, 2400, 1, 10);
    w.note(b, 2400, 480, 64, 1);

    SilentEngine engine;
    QVERIFY(engine.open(write("programs.mid", w.toSmf())));
    engine.seekMs(from);
    engine.seekMs(to);
    // An event exactly at the target is the next to play, not yet sent.
    QCOMPARE(engine.channelProgram(0), program0);
    QCOMPARE(engine.channelProgram(1), program1);
}

void TestMidiEngine::speedChangeKeepsThePosition()
{
    REQUIRE_SOUNDFONT();
    SilentEngine engine;
    QVERIFY(engine.open(write("song.mid", twoTempoSong(0))));
    engine.play(-1, false);
    QTest::qWait(300);
    const qint64 before = engine.positionMs();
    engine.setSpeed(2.0);
    const qint64 after = engine.positionMs();
    QVERIFY2(std::abs(after - before) <= 20,
             qPrintable(QStringLiteral("%1 -> %2").arg(before).arg(after)));
    QElapsedTimer wall;
    wall.start();
    QTest::qWait(300);
    const qint64 advanced = engine.positionMs() - after;
    const qint64 expected = 2 * wall.elapsed();
    QVERIFY2(std::abs(advanced - expected) <= 100,
             qPrintable(QStringLiteral("advanced %1, expected %2").arg(advanced).arg(expected)));
    engine.setSpeed(50.0); // clamped to 4
    QCOMPARE(engine.speed(), 4.0);
}

void TestMidiEngine::repeatRestartsWithoutEnding()
{
    REQUIRE_SOUNDFONT();
    SilentEngine engine;
    QVERIFY(engine.open(write("one.mid", beats(1))));
    QCOMPARE(engine.lengthMs(), 500);
    QSignalSpy ended(&engine, &MediaEngine::ended);
    QSignalSpy states(&engine, &MediaEngine::stateChanged);

    engine.play(-1, true);
    qint64 previous = engine.positionMs();
    int wraps = 0;
    QElapsedTimer wall;
    wall.start();
    while (wall.elapsed() < 1300) {
        QTest::qWait(20);
        const qint64 now = engine.positionMs();
        QVERIFY(now >= 0 && now <= 500);
        if (now < previous - 250)
            ++wraps;
        previous = now;
    }
    QVERIFY2(wraps >= 2, qPrintable(QString::number(wraps)));
    QCOMPARE(ended.count(), 0);
    QCOMPARE(states.count(), 1);
    QCOMPARE(engine.state(), MediaEngine::State::Playing);
}

void TestMidiEngine::emptySongEndsAtOnceEvenRepeating()
{
    REQUIRE_SOUNDFONT();
    MidiWriter w(0, 480);
    const int t = w.addTrack();
    w.programChange(t, 0, 0, 5);
    SilentEngine engine;
    QVERIFY(engine.open(write("empty.mid", w.toSmf())));
    QCOMPARE(engine.lengthMs(), 0);
    QSignalSpy ended(&engine, &MediaEngine::ended);
    engine.play(-1, true);
    QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, 1000);
    QCOMPARE(engine.state(), MediaEngine::State::Stopped);
}

void TestMidiEngine::playStopsAtItsEndPointForwardOrBackward()
{
    REQUIRE_SOUNDFONT();
    SilentEngine engine;
    QVERIFY(engine.open(write("song.mid", twoTempoSong(0))));
    QSignalSpy ended(&engine, &MediaEngine::ended);
    engine.seekMs(200);
    engine.play(700, false);
    QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, 3000);
    QCOMPARE(engine.positionMs(), 700);
    QCOMPARE(engine.state(), MediaEngine::State::Stopped);

    // Backward play has nothing to play: it goes straight to its end point and ends.
    engine.play(-1, false);
    QTest::qWait(100);
    engine.playBackward(0);
    QCOMPARE(engine.state(), MediaEngine::State::Stopped);
    QCOMPARE(engine.positionMs(), 0);
    QCOMPARE(ended.count(), 2);
}

void TestMidiEngine::haltKeepsThePosition_data()
{
    QTest::addColumn<bool>("pause");
    QTest::newRow("pause") << true;
    QTest::newRow("stop") << false;
}

void TestMidiEngine::haltKeepsThePosition()
{
    REQUIRE_SOUNDFONT();
    QFETCH(bool, pause);
    SilentEngine engine;
    QVERIFY(engine.open(write("song.mid", twoTempoSong(0))));
    QSignalSpy ended(&engine, &MediaEngine::ended);
    engine.play(-1, false);
    QTest::qWait(300);
    pause ? engine.pause() : engine.stop();
    QCOMPARE(engine.state(), pause ? MediaEngine::State::Paused : MediaEngine::State::Stopped);
    const qint64 held = engine.positionMs();
    QVERIFY2(held >= 250 && held <= 500, qPrintable(QString::number(held)));
    QTest::qWait(200);
    QCOMPARE(engine.positionMs(), held);

    engine.play(-1, false);
    QTest::qWait(100);
    QVERIFY(engine.positionMs() >= held + 50);
    QCOMPARE(ended.count(), 0);
}

void TestMidiEngine::closeReleasesTheFile()
{
    REQUIRE_SOUNDFONT();
    SilentEngine engine;
    QVERIFY(engine.open(write("song.mid", twoTempoSong(0))));
    engine.play(-1, false);
    engine.close();
    QCOMPARE(engine.state(), MediaEngine::State::Closed);
    QCOMPARE(engine.lengthMs(), 0);
    engine.play(-1, false);
    QCOMPARE(engine.state(), MediaEngine::State::Closed);
    // The synthesizer is kept for the next file.
    QVERIFY(engine.open(write("one.mid", beats(1))));
    QCOMPARE(engine.lengthMs(), 500);
}

void TestMidiEngine::samplesOpenAndPlay()
{
    REQUIRE_SOUNDFONT();
    const QDir samples(QStringLiteral(KV_SAMPLES_DIR));
    if (!samples.exists())
        QSKIP("no sample folder on this machine");
    const QStringList files = {"mid/mimetype-midi.mid", "rmi/rzajac-riff-sample.rmi"};
    for (const QString &name : files) {
        const QString path = samples.filePath(name);
        if (!QFile::exists(path))
            QSKIP("sample missing");
        SilentEngine engine;
        QVERIFY2(engine.open(path), qPrintable(name));
        QVERIFY(engine.lengthMs() > 1000);
        engine.play(-1, false);
        QTest::qWait(300);
        QVERIFY2(engine.positionMs() >= 200, qPrintable(name));
        engine.seekMs(engine.lengthMs() - 100);
        QSignalSpy ended(&engine, &MediaEngine::ended);
        QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, 2000);
        QCOMPARE(engine.positionMs(), engine.lengthMs());
    }
}

KV_TEST_MAIN(TestMidiEngine)
#include "tst_midiengine.moc"
