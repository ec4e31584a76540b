#include "TestMain.h"

#include "app/ResourceSounds.h"

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
    void builtInSoundsAreCompleteWaves_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("bits");
        QTest::addColumn<double>("seconds");
        QTest::newRow("19: six-second chime") << 19 << 1 << 8 << 6.0;
        QTest::newRow("20: short stereo signal") << 20 << 2 << 16 << 0.35;
    }

    void builtInSoundsAreCompleteWaves()
    {
        QFETCH(int, number);
        QFETCH(int, channels);
        QFETCH(int, bits);
        QFETCH(double, seconds);
        const QByteArray wave = resourceSound(number);
        QVERIFY(wave.size() > 44);
        QCOMPARE(wave.left(4), QByteArray("RIFF"));
        QCOMPARE(u32(wave, 4), quint32(wave.size() - 8));
        QCOMPARE(wave.mid(8, 8), QByteArray("WAVEfmt "));
        QCOMPARE(u32(wave, 16), 16u);
        QCOMPARE(u16(wave, 20), quint16(1)); // PCM
        QCOMPARE(int(u16(wave, 22)), channels);
        QCOMPARE(u32(wave, 24), 22050u);
        const int blockAlign = channels * bits / 8;
        QCOMPARE(u32(wave, 28), quint32(22050 * blockAlign));
        QCOMPARE(int(u16(wave, 32)), blockAlign);
        QCOMPARE(int(u16(wave, 34)), bits);
        QCOMPARE(wave.mid(36, 4), QByteArray("data"));
        const quint32 dataSize = u32(wave, 40);
        QCOMPARE(qsizetype(dataSize), wave.size() - 44);
        QCOMPARE(dataSize % blockAlign, 0u);
        const double duration = double(dataSize) / (22050 * blockAlign);
        QVERIFY2(std::abs(duration - seconds) < 0.05, qPrintable(QString::number(duration)));
    }

    void chimeHasTheOriginalSize() { QCOMPARE(resourceSound(19).size(), 132164); }

    void soundsAreAudibleAndEndInSilence_data()
    {
        QTest::addColumn<int>("number");
        QTest::newRow("19") << 19;
        QTest::newRow("20") << 20;
    }

    void soundsAreAudibleAndEndInSilence()
    {
        QFETCH(int, number);
        const QByteArray wave = resourceSound(number);
        const bool eightBit = u16(wave, 34) == 8;
        auto level = [&](int sampleIndex) {
            if (eightBit)
                return std::abs(int(quint8(wave.at(44 + sampleIndex))) - 128) / 128.0;
            return std::abs(int(qint16(u16(wave, 44 + 2 * sampleIndex)))) / 32768.0;
        };
        const int samples = (wave.size() - 44) / (eightBit ? 1 : 2);
        double peak = 0;
        for (int i = 0; i < samples; ++i)
            peak = std::max(peak, level(i));
        QVERIFY2(peak > 0.5 && peak < 1.0, qPrintable(QString::number(peak))); // loud, unclipped
        QVERIFY(level(samples - 1) < 0.02);
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

    void soundsAreTheSameEachTime() { QCOMPARE(resourceSound(20), resourceSound(20)); }
};

KV_TEST_MAIN(TestResourceSounds)
#include "tst_resourcesounds.moc"
