#include "FlicWriter.h"
#include "MediaFactory.h"
#include "TestMain.h"
#include "media/flic/FlicDecoder.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

namespace {

FlicPicture decoded(const FlicDecoder &decoder)
{
    FlicPicture picture{decoder.size().width(), decoder.size().height(), {}};
    picture.pixels = QByteArray(reinterpret_cast<const char *>(decoder.pixels().data()),
                                qsizetype(decoder.pixels().size()));
    return picture;
}

QByteArray twoFrames(FlicWriter::Format format, const FlicPicture &first,
                     const QList<QByteArray> &second)
{
    FlicWriter writer(format, first.width, first.height, 5);
    writer.addFrame({FlicWriter::byteRun(first)});
    writer.addFrame(second);
    return writer.bytes();
}

// Frames of every delta kind, each built from the picture before it.
QByteArray mixedAnimation(int width, int height, int frames, QList<FlicPicture> *pictures)
{
    FlicWriter writer(FlicWriter::Format::Flc, width, height, 40);
    FlicPicture previous = FlicPicture::pattern(width, height, 0);
    writer.addFrame(
        {FlicWriter::colour256({qRgb(1, 2, 3), qRgb(250, 128, 7)}), FlicWriter::byteRun(previous)});
    pictures->append(previous);
    for (int i = 1; i < frames; ++i) {
        FlicPicture next = FlicPicture::pattern(width, height, i);
        // Keep most of the picture so that the deltas skip lines and columns.
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if ((y / 4 + i) % 3 != 0 && (x / 9 + i) % 4 != 0)
                    next.set(x, y, previous.at(x, y));
        QList<QByteArray> chunks;
        switch (i % 6) {
        case 0:
            chunks = {FlicWriter::deltaFli(previous, next)};
            break;
        case 1:
        case 2:
            chunks = {FlicWriter::deltaFlc(previous, next)};
            break;
        case 3:
            chunks = {FlicWriter::literal(next), FlicWriter::postageStamp()};
            break;
        case 4:
            chunks = {FlicWriter::colour64({qRgb(i % 64, 0, 63)}, i), FlicWriter::byteRun(next)};
            break;
        default:
            next = FlicPicture::filled(width, height, 0);
            chunks = {FlicWriter::black()};
            break;
        }
        writer.addFrame(chunks);
        pictures->append(next);
        previous = next;
    }
    writer.addRingFrame({FlicWriter::byteRun(pictures->first())});
    return writer.bytes();
}

} // namespace

class FlicDecoderTest : public QObject
{
    Q_OBJECT

private slots:
    void eachChunkKindGivesItsPixels_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("frame");
        QTest::addColumn<FlicPicture>("expected");

        using F = FlicWriter::Format;
        const FlicPicture odd0 = FlicPicture::pattern(37, 13, 1);
        const FlicPicture odd1 = FlicPicture::pattern(37, 13, 2);
        const FlicPicture even0 = FlicPicture::pattern(64, 20, 3);
        const FlicPicture even1 = FlicPicture::pattern(64, 20, 4);
        // Wide lines whose only changes lie more than 255 pixels apart.
        const FlicPicture wide0 = FlicPicture::pattern(600, 6, 5);
        FlicPicture wide1 = wide0;
        wide1.set(0, 2, 1);
        wide1.set(599, 2, 2);
        wide1.set(300, 5, 3);
        wide1.set(301, 5, 4);
        // Changes only in the last column of an odd width: the word delta's last-pixel opcode.
        FlicPicture lastColumn = odd0;
        for (int y = 0; y < lastColumn.height; ++y)
            lastColumn.set(36, y, uchar(200 + y));

        QTest::newRow("byte run") << twoFrames(F::Flc, odd0, {}) << 0 << odd0;
        QTest::newRow("literal copy")
            << twoFrames(F::Flc, odd0, {FlicWriter::literal(odd1)}) << 1 << odd1;
        QTest::newRow("line delta")
            << twoFrames(F::Fli, even0, {FlicWriter::deltaFli(even0, even1)}) << 1 << even1;
        QTest::newRow("line delta, long skips")
            << twoFrames(F::Fli, wide0, {FlicWriter::deltaFli(wide0, wide1)}) << 1 << wide1;
        QTest::newRow("word delta, even width")
            << twoFrames(F::Flc, even0, {FlicWriter::deltaFlc(even0, even1)}) << 1 << even1;
        QTest::newRow("word delta, odd width")
            << twoFrames(F::Flc, odd0, {FlicWriter::deltaFlc(odd0, odd1)}) << 1 << odd1;
        QTest::newRow("word delta, last pixel only")
            << twoFrames(F::Flc, odd0, {FlicWriter::deltaFlc(odd0, lastColumn)}) << 1 << lastColumn;
        QTest::newRow("word delta, long skips")
            << twoFrames(F::Flc, wide0, {FlicWriter::deltaFlc(wide0, wide1)}) << 1 << wide1;
        QTest::newRow("black") << twoFrames(F::Flc, odd0, {FlicWriter::black()}) << 1
                               << FlicPicture::filled(37, 13, 0);
        QTest::newRow("postage stamp skipped") << twoFrames(
            F::Flc, even0, {FlicWriter::postageStamp(), FlicWriter::deltaFli(even0, even1)})
                                               << 1 << even1;
        QTest::newRow("unknown chunk skipped")
            << twoFrames(F::Fli, even0, {FlicWriter::chunk(0x77, QByteArray(30, '\x55'))}) << 1
            << even0;
        QTest::newRow("empty frame keeps the picture")
            << twoFrames(F::Fli, even0, {}) << 1 << even0;
        QTest::newRow("drawing before black is hidden")
            << twoFrames(F::Flc, odd0,
                         {FlicWriter::literal(odd1), FlicWriter::black(),
                          FlicWriter::deltaFlc(FlicPicture::filled(37, 13, 0), odd0)})
            << 1 << odd0;
    }
    void eachChunkKindGivesItsPixels()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, frame);
        QFETCH(FlicPicture, expected);

        FlicDecoder decoder;
        QVERIFY2(decoder.openData(file), qPrintable(decoder.errorString()));
        QCOMPARE(decoder.size(), QSize(expected.width, expected.height));
        QVERIFY(decoder.seekFrame(frame));
        QCOMPARE(decoded(decoder), expected);
    }
    void colourMapsSetThePalette_data()
    {
        QTest::addColumn<QByteArray>("chunk");
        QTest::addColumn<int>("index");
        QTest::addColumn<QRgb>("expected");

        QList<QRgb> full;
        for (int i = 0; i < 256; ++i)
            full.append(qRgb(i, 255 - i, i / 2));
        QTest::newRow("256 levels, first entry")
            << FlicWriter::colour256(full) << 0 << qRgb(0, 255, 0);
        QTest::newRow("256 levels, all 256 in one packet")
            << FlicWriter::colour256(full) << 255 << qRgb(255, 0, 127);
        QTest::newRow("256 levels from entry 10")
            << FlicWriter::colour256({qRgb(9, 8, 7), qRgb(6, 5, 4)}, 10) << 11 << qRgb(6, 5, 4);
        QTest::newRow("256 levels leave entries before the first")
            << FlicWriter::colour256({qRgb(9, 8, 7)}, 10) << 9 << qRgb(0, 0, 0);
        QTest::newRow("64 levels, full scale")
            << FlicWriter::colour64({qRgb(63, 0, 32)}) << 0 << qRgb(255, 0, 130);
        QTest::newRow("64 levels, low steps")
            << FlicWriter::colour64({qRgb(1, 2, 62)}, 200) << 200 << qRgb(4, 8, 251);
    }
    void colourMapsSetThePalette()
    {
        QFETCH(QByteArray, chunk);
        QFETCH(int, index);
        QFETCH(QRgb, expected);

        FlicWriter writer(FlicWriter::Format::Fli, 4, 2, 5);
        writer.addFrame({chunk, FlicWriter::literal(FlicPicture::filled(4, 2, uchar(index)))});
        FlicDecoder decoder;
        QVERIFY(decoder.openData(writer.bytes()));
        QCOMPARE(decoder.palette()[size_t(index)], expected);
        QCOMPARE(decoder.toImage().pixel(3, 1), expected);
    }
    void lengthIsFramesTimesSpeed_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("frames");
        QTest::addColumn<int>("speed");
        QTest::addColumn<qint64>("lengthMs");
        QTest::addColumn<double>("intervalMs");

        const int fli = int(FlicWriter::Format::Fli);
        const int flc = int(FlicWriter::Format::Flc);
        // 384 x 5/70 s = 27428.57 ms, rounded to the nearest millisecond.
        QTest::newRow("FLI 384 frames at 5/70 s")
            << fli << 384 << 5 << qint64(27429) << 5000.0 / 70;
        QTest::newRow("FLI 3 frames at 1/70 s") << fli << 3 << 1 << qint64(43) << 1000.0 / 70;
        QTest::newRow("FLC 27 frames at 171 ms") << flc << 27 << 171 << qint64(4617) << 171.0;
        QTest::newRow("FLC 1 frame at 40 ms") << flc << 1 << 40 << qint64(40) << 40.0;
        QTest::newRow("FLI speed 0 takes 5/70 s") << fli << 14 << 0 << qint64(1000) << 5000.0 / 70;
        QTest::newRow("FLC speed 0 takes 5/70 s") << flc << 7 << 0 << qint64(500) << 5000.0 / 70;
    }
    void lengthIsFramesTimesSpeed()
    {
        QFETCH(int, format);
        QFETCH(int, frames);
        QFETCH(int, speed);
        QFETCH(qint64, lengthMs);
        QFETCH(double, intervalMs);

        FlicWriter writer(FlicWriter::Format(format), 8, 8, quint32(speed));
        for (int i = 0; i < frames; ++i)
            writer.addFrame({FlicWriter::black()});
        FlicDecoder decoder;
        QVERIFY(decoder.openData(writer.bytes()));
        QCOMPARE(decoder.frameCount(), frames);
        QCOMPARE(decoder.lengthMs(), lengthMs);
        QCOMPARE(decoder.frameIntervalMs(), intervalMs);
        // Each frame's start time leads back to it, and a millisecond earlier to the one before.
        for (int frame = 0; frame < frames; ++frame) {
            const qint64 start = decoder.frameStartMs(frame);
            QCOMPARE(decoder.frameAtMs(start), frame);
            if (start > 0)
                QCOMPARE(decoder.frameAtMs(start - 1), frame - 1);
        }
        QCOMPARE(decoder.frameAtMs(decoder.lengthMs()), frames - 1);
        QCOMPARE(decoder.frameAtMs(-50), 0);
    }

    void seekingAnyFrameForwardOrBackEqualsDecodingInOrder()
    {
        QList<FlicPicture> pictures;
        const QByteArray file = mixedAnimation(53, 31, 90, &pictures);
        FlicDecoder decoder;
        QVERIFY(decoder.openData(file));
        QCOMPARE(decoder.frameCount(), 90);

        QList<FlicPicture> inOrder;
        QList<QImage> images;
        for (int frame = 0; frame < decoder.frameCount(); ++frame) {
            QVERIFY(decoder.seekFrame(frame));
            QCOMPARE(decoded(decoder), pictures.at(frame));
            images.append(decoder.toImage());
        }
        QRandomGenerator random(7);
        for (int i = 0; i < 300; ++i) {
            const int frame = int(random.bounded(90));
            QVERIFY(decoder.seekFrame(frame));
            QCOMPARE(decoder.currentFrame(), frame);
            QCOMPARE(decoded(decoder), pictures.at(frame));
            QCOMPARE(decoder.toImage(), images.at(frame));
        }
        // Stepping backward one frame at a time, as backward play does, down to the first.
        QVERIFY(decoder.seekFrame(89));
        for (int frame = 88; frame >= 0; --frame) {
            QVERIFY(decoder.seekFrame(frame));
            QCOMPARE(decoded(decoder), pictures.at(frame));
        }
        QVERIFY(decoder.seekFrame(-3));
        QCOMPARE(decoder.currentFrame(), 0);
        QVERIFY(decoder.seekFrame(1000));
        QCOMPARE(decoder.currentFrame(), 89);
    }

    void headerCountsTheFramesNotTheRingOrPrefix()
    {
        const FlicPicture first = FlicPicture::pattern(16, 4, 1);
        FlicWriter writer(FlicWriter::Format::Flc, 16, 4, 100);
        writer.addPrefixChunk();
        writer.addFrame({FlicWriter::byteRun(first)});
        writer.addFrame({FlicWriter::black()});
        writer.addRingFrame({FlicWriter::byteRun(first)});
        FlicDecoder decoder;
        QVERIFY(decoder.openData(writer.bytes()));
        QCOMPARE(decoder.headerFrameCount(), 2);
        QCOMPARE(decoder.frameCount(), 2);
        QCOMPARE(decoder.lengthMs(), qint64(200));
        QCOMPARE(decoded(decoder), first);

        // A header counting more frames than the file holds: the animation ends with the file.
        writer.setHeaderFrameCount(9);
        QVERIFY(decoder.openData(writer.bytes()));
        QCOMPARE(decoder.headerFrameCount(), 9);
        QCOMPARE(decoder.frameCount(), 3);
    }
    void refusesWhatIsNotAnEightBitFlic_data()
    {
        QTest::addColumn<QByteArray>("file");

        FlicWriter good(FlicWriter::Format::Flc, 8, 8, 40);
        good.addFrame({FlicWriter::black()});
        const QByteArray valid = good.bytes();
        auto patched = [&](int at, QList<uchar> bytes) {
            QByteArray file = valid;
            for (int i = 0; i < bytes.size(); ++i)
                file[at + i] = char(bytes.at(i));
            return file;
        };

        QTest::newRow("empty") << QByteArray();
        QTest::newRow("shorter than a header") << valid.left(100);
        QTest::newRow("header only") << valid.left(128);
        QTest::newRow("other magic") << patched(4, {0x34, 0x12});
        QTest::newRow("depth 255") << patched(12, {0xFF, 0x00});
        QTest::newRow("depth 16") << patched(12, {16, 0});
        QTest::newRow("width 0") << patched(8, {0, 0});
        QTest::newRow("4096 x 4096") << patched(8, {0x00, 0x10, 0x00, 0x10});
        QTest::newRow("side above 4096") << patched(8, {0x01, 0x10, 0x08, 0x00});
        QTest::newRow("no frame in the header") << patched(6, {0, 0});
        QTest::newRow("first chunk of size 0") << patched(128, {0, 0, 0, 0});
    }
    void refusesWhatIsNotAnEightBitFlic()
    {
        QFETCH(QByteArray, file);
        FlicDecoder decoder;
        QVERIFY(!decoder.openData(file));
        QVERIFY(!decoder.isOpen());
        QVERIFY(!decoder.errorString().isEmpty());
        QCOMPARE(decoder.frameCount(), 0);
        QVERIFY(decoder.toImage().isNull());
        QVERIFY(!decoder.seekFrame(0));
    }
    void truncatedFileEndsAtTheLastReadableFrame_data()
    {
        QTest::addColumn<int>("cutInFrame");
        QTest::addColumn<int>("bytesIntoFrame");
        QTest::addColumn<int>("frames");

        QTest::newRow("cut at a frame boundary") << 3 << 0 << 3;
        QTest::newRow("cut inside a frame header") << 3 << 10 << 3;
        QTest::newRow("cut inside frame data") << 3 << 40 << 4;
        QTest::newRow("cut inside the first frame") << 0 << 30 << 1;
    }
    void truncatedFileEndsAtTheLastReadableFrame()
    {
        QFETCH(int, cutInFrame);
        QFETCH(int, bytesIntoFrame);
        QFETCH(int, frames);

        QList<FlicPicture> pictures;
        FlicWriter writer(FlicWriter::Format::Fli, 20, 10, 5);
        QList<int> frameStarts;
        for (int i = 0; i < 6; ++i) {
            frameStarts.append(int(writer.bytes().size()));
            pictures.append(FlicPicture::pattern(20, 10, i));
            writer.addFrame({FlicWriter::literal(pictures.last())});
        }
        const QByteArray cut = writer.bytes().left(frameStarts.at(cutInFrame) + bytesIntoFrame);
        FlicDecoder decoder;
        QVERIFY(decoder.openData(cut));
        QCOMPARE(decoder.headerFrameCount(), 6);
        QCOMPARE(decoder.frameCount(), frames);
        QVERIFY(decoder.seekFrame(frames - 1));
        if (frames <= cutInFrame) {
            QCOMPARE(decoded(decoder), pictures.at(frames - 1));
        } else {
            // The partial frame shows what was read: its first pixels.
            const int readable = bytesIntoFrame - 16 - 6;
            QCOMPARE(decoded(decoder).pixels.left(readable),
                     pictures.at(frames - 1).pixels.left(readable));
        }
    }

    void frameOneByteShortOfTheFileStillOpens()
    {
        // Some writers count a pad byte they never wrote: the last chunk ends past the file.
        FlicPicture picture = FlicPicture::pattern(128, 128, 9);
        FlicWriter writer(FlicWriter::Format::Flc, 128, 128, 40);
        writer.addFrame({FlicWriter::colour256({qRgb(10, 20, 30)}), FlicWriter::byteRun(picture)});
        QByteArray file = writer.bytes();
        file.chop(1);
        FlicDecoder decoder;
        QVERIFY2(decoder.openData(file), qPrintable(decoder.errorString()));
        QCOMPARE(decoder.frameCount(), 1);
        QCOMPARE(decoder.lengthMs(), qint64(40));
        QCOMPARE(decoder.palette()[0], qRgb(10, 20, 30));
        // Everything but what the missing byte held is there.
        QCOMPARE(decoded(decoder).pixels.left(128 * 127), picture.pixels.left(128 * 127));
    }

    void manyBlackChunksClearALargePictureOnce()
    {
        // 180 KB of six-byte black chunks on a 2048x2048 picture: clearing it once per chunk took
        // seconds, a hang for one frame.
        QList<QByteArray> chunks{FlicWriter::colour256({qRgb(4, 5, 6)})};
        for (int i = 0; i < 30000; ++i)
            chunks.append(FlicWriter::black());
        chunks.append(FlicWriter::literal(FlicPicture::filled(3, 1, 7)));
        FlicWriter writer(FlicWriter::Format::Flc, 2048, 2048, 40);
        writer.addFrame(chunks);

        QElapsedTimer timer;
        timer.start();
        FlicDecoder decoder;
        QVERIFY2(decoder.openData(writer.bytes()), qPrintable(decoder.errorString()));
        QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(decoder.palette()[0], qRgb(4, 5, 6));
        const std::vector<uchar> &pixels = decoder.pixels();
        QCOMPARE(pixels[2], uchar(7));
        QCOMPARE(pixels[3], uchar(0));
        QCOMPARE(pixels.back(), uchar(0));
    }

    void ffmpegDecodesOurFilesToTheSamePictures()
    {
        QTemporaryDir dir;
        QList<FlicPicture> pictures;
        const QString path = dir.filePath(QStringLiteral("mixed.flc"));
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(mixedAnimation(64, 24, 30, &pictures));
        }
        const QList<QImage> theirs = kvtest::MediaFactory::decodeFrames(path, QSize(64, 24));
        QVERIFY(theirs.size() >= 30);
        FlicDecoder decoder;
        QVERIFY(decoder.open(path));
        for (int frame = 0; frame < 30; ++frame) {
            QVERIFY(decoder.seekFrame(frame));
            QVERIFY2(decoder.toImage() == theirs.at(frame), qPrintable(QString::number(frame)));
        }
    }
};

KV_TEST_MAIN(FlicDecoderTest)
#include "tst_flicdecoder.moc"
