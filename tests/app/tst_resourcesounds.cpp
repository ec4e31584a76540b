#include "TestMain.h"

#include "app/ResourceSounds.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

namespace {

quint32 u32(const QByteArray &b, int at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}
quint16 u16(const QByteArray &b, int at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}

} // namespace

class TestResourceSounds : public QObject
{
    Q_OBJECT

private slots:
    void chimeIsEightBitMonoPcm()
    {
        const QByteArray wave = resourceSound(19);
        QCOMPARE(wave.size(), 132164);
        QCOMPARE(wave.left(4), QByteArray("RIFF"));
        QCOMPARE(u32(wave, 4), quint32(wave.size() - 8));
        QCOMPARE(wave.mid(8, 8), QByteArray("WAVEfmt "));
        QCOMPARE(u16(wave, 20), quint16(1)); // PCM
        QCOMPARE(u16(wave, 22), quint16(1));
        QCOMPARE(u32(wave, 24), 22050u);
        QCOMPARE(u16(wave, 34), quint16(8));
        QCOMPARE(wave.mid(36, 4), QByteArray("data"));
        QCOMPARE(qsizetype(u32(wave, 40)), wave.size() - 44);
        double peak = 0;
        for (qsizetype i = 44; i < wave.size(); ++i)
            peak = std::max(peak, std::abs(int(quint8(wave.at(i))) - 128) / 128.0);
        QVERIFY2(peak > 0.5 && peak < 1.0, qPrintable(QString::number(peak))); // loud, unclipped
        QVERIFY(std::abs(int(quint8(wave.back())) - 128) < 3);
    }

    void signalIsMicrosoftAdpcmStereo()
    {
        const QByteArray wave = resourceSound(20);
        QCOMPARE(wave.left(4), QByteArray("RIFF"));
        QCOMPARE(u32(wave, 4), quint32(wave.size() - 8));
        QCOMPARE(wave.mid(8, 8), QByteArray("WAVEfmt "));
        QCOMPARE(u32(wave, 16), 50u);
        QCOMPARE(u16(wave, 20), quint16(2)); // Microsoft ADPCM
        QCOMPARE(u16(wave, 22), quint16(2));
        QCOMPARE(u32(wave, 24), 22050u);
        const quint16 blockAlign = u16(wave, 32);
        QCOMPARE(u16(wave, 34), quint16(4));
        QCOMPARE(u16(wave, 36), quint16(32));
        QCOMPARE(u16(wave, 38), quint16((blockAlign - 14) * 8 / 8 + 2));
        QCOMPARE(u16(wave, 40), quint16(7));
        QCOMPARE(qint16(u16(wave, 42 + 4 * 5)), qint16(460)); // sixth coefficient pair
        QCOMPARE(qint16(u16(wave, 44 + 4 * 5)), qint16(-208));
        QCOMPARE(wave.mid(70, 4), QByteArray("fact"));
        const quint32 frames = u32(wave, 78);
        QVERIFY2(std::abs(frames / 22050.0 - 0.35) < 0.01, qPrintable(QString::number(frames)));
        QCOMPARE(wave.mid(82, 4), QByteArray("data"));
        const quint32 dataSize = u32(wave, 86);
        QCOMPARE(qsizetype(dataSize), wave.size() - 90);
        QCOMPARE(dataSize % blockAlign, 0u);
    }

    void signalDecodesToAnAudibleSoundEndingInSilence()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("20.wav")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(resourceSound(20));
        file.close();
        QProcess ffmpeg;
        ffmpeg.start(QStringLiteral("ffmpeg"), {"-v", "error", "-i", file.fileName(), "-f", "s16le",
                                                "-acodec", "pcm_s16le", "-"});
        QVERIFY(ffmpeg.waitForFinished(10000));
        QCOMPARE(ffmpeg.exitCode(), 0);
        const QByteArray pcm = ffmpeg.readAllStandardOutput();
        const qsizetype samples = pcm.size() / 2;
        QVERIFY2(std::abs(samples / 2 / 22050.0 - 0.35) < 0.05,
                 qPrintable(QString::number(samples)));
        double peak = 0;
        for (qsizetype i = 0; i < samples; ++i)
            peak = std::max(peak, std::abs(qint16(u16(pcm, int(2 * i)))) / 32768.0);
        QVERIFY2(peak > 0.4 && peak < 1.0, qPrintable(QString::number(peak)));
        // The tail of the decoded sound is quiet: the encoder follows the fade-out.
        double tail = 0;
        for (qsizetype i = samples - 40; i < samples; ++i)
            tail = std::max(tail, std::abs(qint16(u16(pcm, int(2 * i)))) / 32768.0);
        QVERIFY2(tail < 0.05, qPrintable(QString::number(tail)));
    }

    void otherNumbersGiveNothing_data()
    {
        QTest::addColumn<int>("number");
        QTest::newRow("0") << 0;
        QTest::newRow("18") << 18;
        QTest::newRow("21") << 21;
        QTest::newRow("negative") << -19;
        QTest::newRow("large") << 65535;
    }

    void otherNumbersGiveNothing()
    {
        QFETCH(int, number);
        QVERIFY(resourceSound(number).isEmpty());
    }
};

KV_TEST_MAIN(TestResourceSounds)
#include "tst_resourcesounds.moc"
