#include "MediaFactory.h"
#include "TestMain.h"
#include "media/MediaWindow.h"
#include "media/flic/FlicDecoder.h"
#include "media/midi/MidiFile.h"

#include <QDirIterator>
#include <QElapsedTimer>

// The players against real files made by others, in ../shared/samples beside the repository.
// Registered with the "samples" label; reported as skipped by CTest where the folder is absent.
class SamplesTest : public QObject
{
    Q_OBJECT

private slots:
    // Frame counts, and where ffmpeg reads the file, every picture as ffmpeg decodes it.
    void flicSamplesMatchFfmpeg_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("frames");
        QTest::newRow("FLI of 384 frames") << "pillow-a.fli" << 384;
        QTest::newRow("FLC of 27 frames") << "pillow-2422.flc" << 27;
        QTest::newRow("one frame") << "pillow-hopper.fli" << 1;
        QTest::newRow("palette chunk second") << "pillow-hopper_palette_chunk_second.fli" << 1;
    }
    void flicSamplesMatchFfmpeg()
    {
        QFETCH(QString, name);
        QFETCH(int, frames);
        const QString path = m_samples.filePath("flc/" + name);
        FlicDecoder decoder;
        QVERIFY2(decoder.open(path), qPrintable(name));
        QCOMPARE(decoder.frameCount(), frames);
        const QList<QImage> theirs = kvtest::MediaFactory::decodeFrames(path, decoder.size());
        for (int frame = 0; frame < std::min<int>(frames, theirs.size()); ++frame) {
            QVERIFY(decoder.seekFrame(frame));
            QVERIFY2(decoder.toImage() == theirs.at(frame), qPrintable(QString::number(frame)));
        }
        if (name == "pillow-a.fli") {
            QCOMPARE(decoder.lengthMs(), qint64(27429));
            QCOMPARE(decoder.size(), QSize(320, 200));
        }
    }

    // MIDI and RMI lengths as the probe listing gives them, to the millisecond.
    void midiLengthsMatchTheProbe()
    {
        QFile probe(m_samples.filePath(QStringLiteral("PROBE.tsv")));
        QVERIFY(probe.open(QIODevice::ReadOnly | QIODevice::Text));
        int checked = 0;
        while (!probe.atEnd()) {
            const QList<QByteArray> fields = probe.readLine().split('\t');
            const QString path = QString::fromUtf8(fields.value(0));
            if (!path.startsWith("mid/") && !path.startsWith("rmi/"))
                continue;
            // Some rows leave out empty columns: the duration is the first number after the path.
            bool ok = false;
            double seconds = 0;
            for (qsizetype i = 1; i < fields.size() && !ok; ++i)
                seconds = fields.at(i).split(' ').value(0).toDouble(&ok);
            MidiFile midi;
            QVERIFY2(midi.load(m_samples.filePath(path)), qPrintable(path));
            QVERIFY2(std::abs(midi.lengthMs() - std::llround(seconds * 1000.0)) <= 1,
                     qPrintable(path));
            ++checked;
        }
        QVERIFY(checked >= 2);
    }

    // Every sample opens in the media window with the engine of its kind, and plays.
    void everySampleOpensAndPlays()
    {
        const QList<std::pair<QString, QString>> folders{
            {"avi", "mpv"}, {"mpg", "mpv"},  {"mov", "mpv"},  {"wav", "mpv"},
            {"aif", "mpv"}, {"flc", "flic"}, {"mid", "midi"}, {"rmi", "midi"}};
        for (const auto &[folder, engine] : folders) {
            QDirIterator it(m_samples.filePath(folder), QDir::Files);
            while (it.hasNext()) {
                const QString path = it.next();
                MediaWindow window;
                window.setVolume(0);
                window.setFileName(path);
                QVERIFY2(window.fileName() == QFileInfo(path).absoluteFilePath(), qPrintable(path));
                QVERIFY2(window.length() > 0, qPrintable(path));
                QCOMPARE(window.engineName(), engine);
                QVERIFY(window.sendCommand(QStringLiteral("play")));
                QTRY_VERIFY2_WITH_TIMEOUT(window.position() > 0, qPrintable(path), 3000);
            }
        }
    }

    // Damaged samples are refused or played to an end, within five seconds each; the FLIC
    // decoder keeps within its limits on them.
    void brokenSamplesAreRefusedOrBounded()
    {
        QDirIterator it(m_samples.filePath(QStringLiteral("broken")), QDir::Files);
        while (it.hasNext()) {
            const QString path = it.next();
            MediaWindow window;
            QElapsedTimer clock;
            clock.start();
            window.setFileName(path);
            if (!window.fileName().isEmpty()) {
                window.setSpeed(4000);
                window.sendCommand(QStringLiteral("play"));
                QTRY_COMPARE_WITH_TIMEOUT(window.mode(), MediaWindow::Mode::Stopped, 5000);
            }
            QVERIFY2(clock.elapsed() < 5000, qPrintable(path));

            FlicDecoder decoder;
            if (!decoder.open(path))
                continue;
            QVERIFY(decoder.frameCount() <= decoder.headerFrameCount());
            QVERIFY(qint64(decoder.size().width()) * decoder.size().height()
                    <= FlicDecoder::MaxPixels);
            for (int frame = 0; frame < decoder.frameCount(); ++frame)
                QVERIFY(decoder.seekFrame(frame));
        }
    }

private:
    const QDir m_samples{QStringLiteral(KV_SAMPLES_DIR)};
};

int main(int argc, char **argv)
{
    if (!QDir(QStringLiteral(KV_SAMPLES_DIR)).exists()) {
        qInfo("no sample folder at %s", KV_SAMPLES_DIR);
        return kvtest::SkipExitCode;
    }
    kvtest::prepareEnvironment();
    QApplication app(argc, argv);
    kvtest::prepareApplication();
    SamplesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_samples.moc"
