#include "TestMain.h"

#include "platform/desktop/MpvSoundPlayer.h"

#include <QElapsedTimer>
#include <QtEndian>

#include <cmath>

namespace {

void put32(QByteArray &b, quint32 v)
{
    char bytes[4];
    qToLittleEndian(v, bytes);
    b.append(bytes, 4);
}

void put16(QByteArray &b, quint16 v)
{
    char bytes[2];
    qToLittleEndian(v, bytes);
    b.append(bytes, 2);
}

// A 440 Hz tone of `seconds`, PCM, 8 or 16 bits.
QByteArray tone(double seconds, int rate, int channels, int bits)
{
    const int frames = int(seconds * rate);
    const int blockAlign = channels * bits / 8;
    QByteArray data;
    for (int i = 0; i < frames; ++i) {
        const double s = 0.3 * std::sin(2 * M_PI * 440 * i / rate);
        for (int c = 0; c < channels; ++c) {
            if (bits == 8)
                data.append(char(quint8(128 + s * 127)));
            else
                put16(data, quint16(qint16(s * 32767)));
        }
    }
    QByteArray wave("RIFF");
    put32(wave, quint32(36 + data.size()));
    wave.append("WAVEfmt ");
    put32(wave, 16);
    put16(wave, 1);
    put16(wave, quint16(channels));
    put32(wave, quint32(rate));
    put32(wave, quint32(rate * blockAlign));
    put16(wave, quint16(blockAlign));
    put16(wave, quint16(bits));
    wave.append("data");
    put32(wave, quint32(data.size()));
    return wave + data;
}

} // namespace

class TestSoundPlayer : public QObject
{
    Q_OBJECT

private slots:
    void durationComesFromTheHeader_data()
    {
        QTest::addColumn<QByteArray>("wave");
        QTest::addColumn<double>("seconds");
        QTest::newRow("mono 8-bit") << tone(0.5, 22050, 1, 8) << 0.5;
        QTest::newRow("stereo 16-bit") << tone(0.35, 22050, 2, 16) << 0.35;
        QTest::newRow("data size larger than the bytes") << [] {
            QByteArray w = tone(1.0, 8000, 1, 8);
            w.chop(4000);
            return w;
        }() << 0.5;
    }

    void durationComesFromTheHeader()
    {
        QFETCH(QByteArray, wave);
        QFETCH(double, seconds);
        const auto duration = MpvSoundPlayer::durationSeconds(wave);
        QVERIFY(duration);
        QVERIFY(std::abs(*duration - seconds) < 0.001);
    }

    void notAWaveHasNoDuration_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("garbage") << QByteArray("\x01\x02garbage bytes that are no sound", 32);
        QTest::newRow("RIFF of another kind") << QByteArray("RIFF\x10\0\0\0RMIDdata\0\0\0\0", 20);
        QTest::newRow("no data chunk") << tone(0.1, 8000, 1, 8).left(36);
        QTest::newRow("chunk size past the end")
            << QByteArray("RIFF\0\0\0\0WAVEfmt \xFF\xFF\xFF\x7F", 20);
    }

    void notAWaveHasNoDuration()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(!MpvSoundPlayer::durationSeconds(bytes));
    }

    void playsForTheSoundsLength()
    {
        MpvSoundPlayer player;
        QElapsedTimer timer;
        timer.start();
        QVERIFY(player.playSync(tone(0.6, 22050, 1, 8)));
        const qint64 ms = timer.elapsed();
        QVERIFY2(ms >= 450, qPrintable(QString::number(ms)));
        QVERIFY2(ms < 5000, qPrintable(QString::number(ms)));
    }

    void badBytesReturnFalseQuickly_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("garbage") << QByteArray(4000, '\x5A');
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("wave header over garbage") << [] {
            QByteArray w = tone(0.2, 22050, 1, 8);
            // A format no decoder knows.
            w[20] = '\x34';
            w[21] = '\x12';
            return w;
        }();
    }

    void badBytesReturnFalseQuickly()
    {
        QFETCH(QByteArray, bytes);
        MpvSoundPlayer player;
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!player.playSync(bytes));
        QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
    }
};

KV_TEST_MAIN(TestSoundPlayer)
#include "tst_soundplayer.moc"
