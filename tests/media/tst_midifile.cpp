#include "MidiWriter.h"
#include "TestMain.h"
#include "media/midi/MidiFile.h"

#include <cmath>

using kvtest::MidiWriter;

namespace {

// 120 bpm for two beats, then 60 bpm for two beats, at 480 ticks a beat: 1000 + 2000 ms.
QByteArray twoTempoSong(int format, bool runningStatus = false)
{
    MidiWriter writer(format, 480);
    writer.setRunningStatus(runningStatus);
    const int tempoTrack = writer.addTrack();
    const int notes = format == 0 ? tempoTrack : writer.addTrack();
    writer.tempoBpm(tempoTrack, 0, 120);
    writer.tempoBpm(tempoTrack, 960, 60);
    writer.programChange(notes, 0, 0, 40);
    for (quint32 beat = 0; beat < 4; ++beat) {
        // Two-note chords, so that running status has repeated note-ons to drop.
        writer.note(notes, beat * 480, 480, 60 + int(beat));
        writer.note(notes, beat * 480, 480, 64 + int(beat));
    }
    return writer.toSmf();
}

QByteArray rawSmf(const QByteArray &trackBody, qint64 declaredLength = -1)
{
    QByteArray out("MThd\0\0\0\x06\0\0\0\x01\x01\xE0", 14);
    const quint32 length = declaredLength < 0 ? quint32(trackBody.size()) : quint32(declaredLength);
    out += "MTrk";
    out.append(char(length >> 24)).append(char(length >> 16)).append(char(length >> 8));
    out.append(char(length));
    return out + trackBody;
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

} // namespace

class TestMidiFile : public QObject
{
    Q_OBJECT

private slots:
    void lengthFollowsTempoMap_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<qint64>("expectedMs");
        QTest::addColumn<double>("lastEventMs");

        QTest::newRow("format 0") << twoTempoSong(0) << qint64(3000) << 3000.0;
        QTest::newRow("format 1, tempo track") << twoTempoSong(1) << qint64(3000) << 3000.0;
        QTest::newRow("format 0 in RMI")
            << MidiWriter::wrapRmi(twoTempoSong(0)) << qint64(3000) << 3000.0;
        QTest::newRow("format 1 in RMI, no INFO")
            << MidiWriter::wrapRmi(twoTempoSong(1), false) << qint64(3000) << 3000.0;
        {
            MidiWriter w(1, 480);
            const int t0 = w.addTrack();
            const int t1 = w.addTrack();
            w.note(t0, 0, 960); // 1000 ms at 120 bpm
            w.tempoBpm(t1, 480, 60);
            w.endOfTrack(t1, 720); // a tempo change in another track slows track 0 down
            QTest::newRow("tempo from a later track") << w.toSmf() << qint64(500 + 1000) << 1500.0;
        }
        {
            MidiWriter w(0, 480);
            const int t = w.addTrack();
            w.note(t, 0, 480);
            w.endOfTrack(t, 1920);
            QTest::newRow("end of track after the last note") << w.toSmf() << qint64(2000) << 500.0;
        }
        {
            MidiWriter w(0);
            w.setSmpteDivision(25, 40); // 1000 ticks a second
            const int t = w.addTrack();
            w.tempoBpm(t, 0, 60); // ignored with a time-code division
            w.note(t, 0, 2500);
            QTest::newRow("SMPTE 25 fps") << w.toSmf() << qint64(2500) << 2500.0;
        }
        {
            MidiWriter w(0);
            w.setSmpteDivision(29, 100); // 2997 ticks a second
            const int t = w.addTrack();
            w.note(t, 0, 2997 * 2);
            QTest::newRow("SMPTE 30 drop-frame")
                << w.toSmf() << qint64(2000) << 2997.0 * 2 * 1001 / 3000;
        }
        {
            MidiWriter w(2, 480);
            const int a = w.addTrack();
            const int b = w.addTrack();
            w.tempoBpm(a, 0, 60);
            w.note(a, 0, 960); // 2000 ms
            w.note(b, 0, 960); // back to 120 bpm: 1000 ms, after the first sequence
            QTest::newRow("format 2 sequences in turn") << w.toSmf() << qint64(3000) << 3000.0;
        }
    }
    void lengthFollowsTempoMap()
    {
        QFETCH(QByteArray, file);
        QFETCH(qint64, expectedMs);
        QFETCH(double, lastEventMs);

        MidiFile midi;
        QVERIFY2(midi.parse(file), qPrintable(midi.errorString()));
        QCOMPARE(midi.lengthMs(), expectedMs);
        QVERIFY(!midi.isPartial());
        QVERIFY(!midi.events().empty());
        QCOMPARE(midi.events().back().ms, lastEventMs);
    }
    void ticksAndMillisecondsConvertAcrossTempoChange_data()
    {
        QTest::addColumn<qint64>("tick");
        QTest::addColumn<double>("ms");

        QTest::newRow("start") << qint64(0) << 0.0;
        QTest::newRow("first beat") << qint64(480) << 500.0;
        QTest::newRow("at the change") << qint64(960) << 1000.0;
        QTest::newRow("one slow beat") << qint64(1440) << 2000.0;
        QTest::newRow("end") << qint64(1920) << 3000.0;
        QTest::newRow("past the end keeps the last tempo") << qint64(2400) << 4000.0;
    }
    void ticksAndMillisecondsConvertAcrossTempoChange()
    {
        QFETCH(qint64, tick);
        QFETCH(double, ms);

        MidiFile midi;
        QVERIFY(midi.parse(twoTempoSong(1)));
        QCOMPARE(midi.tickToMs(tick), ms);
        QCOMPARE(midi.msToTick(ms), tick);
        QCOMPARE(midi.msToTick(ms + 0.9), tick); // well within the next tick at either tempo
        // Absurd times stay defined and keep their order.
        QVERIFY(midi.msToTick(1e300) >= midi.msToTick(ms));
        QVERIFY(midi.msToTick(-1e300) <= midi.msToTick(ms));
        QCOMPARE(midi.msToTick(std::nan("")), qint64(0));
    }

    void tracksMergeInTimeOrder()
    {
        MidiWriter w(1, 480);
        const int a = w.addTrack();
        const int b = w.addTrack();
        w.note(a, 0, 480, 60);
        w.note(a, 960, 480, 62);
        w.note(b, 480, 480, 61);
        w.note(b, 960, 480, 72); // same tick as key 62: track order decides
        MidiFile midi;
        QVERIFY(midi.parse(w.toSmf()));

        QList<int> keysOn;
        double previous = -1;
        for (const MidiEvent &event : midi.events()) {
            QVERIFY(event.ms >= previous);
            previous = event.ms;
            if ((event.status & 0xF0) == 0x90)
                keysOn << event.data1;
        }
        QCOMPARE(keysOn, (QList<int>{60, 61, 62, 72}));
        // At 500 ms key 60 ends, then key 61 starts.
        const std::size_t at500 = midi.firstEventAtOrAfter(500.0);
        QCOMPARE(at500, std::size_t(1));
        QCOMPARE(midi.events().at(at500).status, quint8(0x80));
        QCOMPARE(midi.events().at(at500 + 1).data1, quint8(61));
        QCOMPARE(midi.firstEventAtOrAfter(500.1), std::size_t(3));
    }

    void runningStatusReadsTheSameEvents()
    {
        MidiFile plain;
        MidiFile running;
        const QByteArray withRunning = twoTempoSong(0, true);
        QVERIFY(plain.parse(twoTempoSong(0)));
        QVERIFY(running.parse(withRunning));
        QVERIFY(withRunning.size() < twoTempoSong(0).size());
        QCOMPARE(running.events().size(), plain.events().size());
        for (std::size_t i = 0; i < plain.events().size(); ++i) {
            const MidiEvent &x = plain.events()[i];
            const MidiEvent &y = running.events()[i];
            QCOMPARE(y.tick, x.tick);
            QCOMPARE(y.status, x.status);
            QCOMPARE(y.data1, x.data1);
            QCOMPARE(y.data2, x.data2);
        }
        QCOMPARE(running.lengthMs(), 3000);
    }

    void sysexKeepsItsBytes()
    {
        MidiWriter w(0, 96);
        const int t = w.addTrack();
        const QByteArray gmOn = bytes({0x7E, 0x7F, 0x09, 0x01, 0xF7});
        w.sysex(t, 0, gmOn);
        w.note(t, 0, 96);
        MidiFile midi;
        QVERIFY(midi.parse(w.toSmf()));
        QCOMPARE(midi.events().size(), std::size_t(3));
        const MidiEvent &sysex = midi.events().front();
        QVERIFY(sysex.isSysex());
        QCOMPARE(midi.sysexData().mid(sysex.sysexOffset, sysex.sysexLength), gmOn);
    }
    void refusesWhatIsNotMidi_data()
    {
        QTest::addColumn<QByteArray>("file");

        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("This is not a MIDI file at all, just words.");
        QTest::newRow("WAVE") << QByteArray("RIFF\x24\0\0\0WAVEfmt \x10\0\0\0", 20)
                                     + QByteArray(16, 1);
        QTest::newRow("RMID without data chunk")
            << QByteArray("RIFF\x10\0\0\0RMIDLIST\x02\0\0\0ab", 22);
        QTest::newRow("header only") << QByteArray("MThd\0\0\0\x06\0\0\0\x01\x01\xE0", 14);
        QTest::newRow("short header length")
            << QByteArray("MThd\0\0\0\x02\0\0", 10) + QByteArray("MTrk\0\0\0\0", 8);
        QTest::newRow("header length past the end")
            << QByteArray("MThd\x7F\0\0\x06\0\0\0\x01\x01\xE0MTrk\0\0\0\0", 22);
        QByteArray format3 = twoTempoSong(0);
        format3[9] = 3;
        QTest::newRow("format 3") << format3;
        QByteArray zeroDivision = twoTempoSong(0);
        zeroDivision[12] = 0;
        zeroDivision[13] = 0;
        QTest::newRow("zero division") << zeroDivision;
        QByteArray noTicksPerFrame = twoTempoSong(0);
        noTicksPerFrame[12] = char(0xE7); // -25 fps
        noTicksPerFrame[13] = 0;
        QTest::newRow("SMPTE with no ticks per frame") << noTicksPerFrame;
        QByteArray wrongMagic = twoTempoSong(0);
        wrongMagic[1] = 't';
        QTest::newRow("wrong magic") << wrongMagic;
    }
    void refusesWhatIsNotMidi()
    {
        QFETCH(QByteArray, file);
        MidiFile midi;
        QVERIFY(!midi.parse(file));
        QVERIFY(!midi.isValid());
        QVERIFY(!midi.errorString().isEmpty());
        QCOMPARE(midi.lengthMs(), 0);
        QVERIFY(midi.events().empty());
    }
    void truncatedFileIsRefusedOrReadPartially_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("format 1") << twoTempoSong(1);
        QTest::newRow("format 0, running status") << twoTempoSong(0, true);
        QTest::newRow("RMI") << MidiWriter::wrapRmi(twoTempoSong(1));
    }
    void truncatedFileIsRefusedOrReadPartially()
    {
        QFETCH(QByteArray, file);
        MidiFile whole;
        QVERIFY(whole.parse(file));

        for (qsizetype cut = 0; cut < file.size(); ++cut) {
            MidiFile midi;
            if (!midi.parse(file.left(cut)))
                continue;
            const QByteArray where = QByteArray::number(cut);
            QVERIFY2(midi.isPartial() || midi.trackCount() < whole.trackCount(), where);
            QVERIFY2(midi.events().size() < whole.events().size()
                         || midi.lastTick() <= whole.lastTick(),
                     where);
            QVERIFY2(midi.lengthMs() <= whole.lengthMs(), where);
        }
    }
    void damagedTrackKeepsEarlierEvents_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("expectedEvents");
        QTest::addColumn<qint64>("expectedLastTick");

        const QByteArray noteOn = bytes({0x00, 0x90, 60, 100});
        const QByteArray noteOff = bytes({0x83, 0x60, 0x80, 60, 0}); // 480 ticks later
        const QByteArray eot = bytes({0x00, 0xFF, 0x2F, 0x00});

        QTest::newRow("track length past the end")
            << rawSmf(noteOn + noteOff + eot, 0x7FFFFFF0) << 2 << qint64(480);
        QTest::newRow("five-byte delta time")
            << rawSmf(noteOn + bytes({0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0x80, 60, 0}) + eot) << 1
            << qint64(0);
        QTest::newRow("meta length past the track")
            << rawSmf(noteOn + noteOff + bytes({0x00, 0xFF, 0x01, 0x8F, 0xFF, 0xFF, 0x7F, 'a'}))
            << 2 << qint64(480);
        QTest::newRow("endless meta length")
            << rawSmf(noteOn + bytes({0x00, 0xFF, 0x01, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF})) << 1
            << qint64(0);
        QTest::newRow("sysex length past the track")
            << rawSmf(noteOn + noteOff + bytes({0x00, 0xF0, 0x7F, 0x01, 0x02})) << 2 << qint64(480);
        QTest::newRow("data byte without status")
            << rawSmf(bytes({0x00, 60, 100}) + noteOn + eot) << 0 << qint64(0);
        QTest::newRow("running status after sysex")
            << rawSmf(noteOn + bytes({0x00, 0xF0, 0x01, 0xF7, 0x00, 61, 100}) + eot) << 2
            << qint64(0);
        QTest::newRow("real-time byte in a track")
            << rawSmf(noteOn + bytes({0x00, 0xF8}) + noteOff + eot) << 1 << qint64(0);
        QTest::newRow("status where data belongs")
            << rawSmf(noteOn + bytes({0x00, 0x90, 0x90, 100}) + eot) << 1 << qint64(0);
        QTest::newRow("message cut by the track end")
            << rawSmf(noteOn + bytes({0x10, 0x90, 61})) << 1 << qint64(0);
    }
    void damagedTrackKeepsEarlierEvents()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, expectedEvents);
        QFETCH(qint64, expectedLastTick);

        MidiFile midi;
        QVERIFY2(midi.parse(file), qPrintable(midi.errorString()));
        QVERIFY(midi.isPartial());
        QVERIFY(!midi.errorString().isEmpty());
        QCOMPARE(int(midi.events().size()), expectedEvents);
        QCOMPARE(midi.lastTick(), expectedLastTick);
    }

    void eventLimitStopsReading()
    {
        MidiWriter w(1, 480);
        const int a = w.addTrack();
        const int b = w.addTrack();
        for (quint32 i = 0; i < 500; ++i) {
            w.note(a, i * 10, 5);
            w.note(b, i * 10, 5);
        }
        MidiFile::Limits limits;
        limits.maxEvents = 100;
        MidiFile midi;
        QVERIFY(midi.parse(w.toSmf(), limits));
        QVERIFY(midi.isPartial());
        QCOMPARE(int(midi.events().size()), 100);
        QCOMPARE(midi.trackCount(), 1); // the second track was never reached

        MidiFile unlimited;
        QVERIFY(unlimited.parse(w.toSmf()));
        QCOMPARE(int(unlimited.events().size()), 2000);
    }

    void endlessMetaEventsAreSkipped()
    {
        QByteArray body;
        body.reserve(200'000 * 4 + 16);
        for (int i = 0; i < 200'000; ++i)
            body += bytes({0x00, 0xFF, 0x01, 0x00});
        body += bytes({0x81, 0x70, 0x90, 60, 100, 0x00, 0xFF, 0x2F, 0x00}); // 240 ticks later
        MidiFile midi;
        QVERIFY(midi.parse(rawSmf(body)));
        QVERIFY(!midi.isPartial());
        QCOMPARE(int(midi.events().size()), 1);
        QCOMPARE(midi.lengthMs(), 250);
    }

    void absurdDeltaTimesStayFinite()
    {
        QByteArray body = bytes({0x00, 0xFF, 0x51, 0x03, 0xFF, 0xFF, 0xFF}); // slowest tempo
        for (int i = 0; i < 8; ++i)
            body += bytes({0xFF, 0xFF, 0xFF, 0x7F, 0x90, 60, 100}); // largest delta time
        QByteArray file = rawSmf(body);
        file[12] = 0; // one tick per quarter note
        file[13] = 1;
        MidiFile midi;
        QVERIFY(midi.parse(file));
        QCOMPARE(midi.lastTick(), qint64(8) * 0x0FFFFFFF);
        const double expected = 8.0 * 0x0FFFFFFF * 0xFFFFFF / 1000.0;
        QCOMPARE(midi.lengthMsExact(), expected);
        QVERIFY(midi.lengthMs() > 0);
    }
};

KV_TEST_MAIN(TestMidiFile)
#include "tst_midifile.moc"
