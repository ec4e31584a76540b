#include "MediaFactory.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace kvtest {

namespace {

constexpr int FfmpegTimeoutMs = 60000;
constexpr int MpegFps = 25;
constexpr int SoundRate = 22050;

struct Recipe
{
    const char *suffix;
    bool video;
    QStringList codecs;
};

Recipe recipeFor(MediaFactory::Format format)
{
    using F = MediaFactory::Format;
    switch (format) {
    case F::AviCinepak:
        return {"avi", true, {"-c:v", "cinepak", "-c:a", "pcm_u8"}};
    case F::AviMsVideo1:
        return {"avi", true, {"-c:v", "msvideo1", "-c:a", "adpcm_ms"}};
    case F::AviMsRle:
        return {"avi", true, {"-c:v", "msrle", "-pix_fmt", "pal8", "-c:a", "adpcm_ima_wav"}};
    case F::AviRaw:
        return {"avi", true, {"-c:v", "rawvideo", "-pix_fmt", "bgr24", "-c:a", "pcm_s16le"}};
    case F::AviMpeg4:
        return {"avi", true, {"-c:v", "mpeg4", "-c:a", "pcm_s16le"}};
    case F::Mpeg1:
        return {"mpg", true, {"-c:v", "mpeg1video", "-c:a", "mp2", "-f", "mpeg"}};
    case F::Mpeg2:
        return {"mpg", true, {"-c:v", "mpeg2video", "-c:a", "mp2", "-f", "vob"}};
    case F::QuickTime:
        return {"mov", true, {"-c:v", "qtrle", "-c:a", "pcm_s16be"}};
    case F::WavPcm8:
        return {"wav", false, {"-c:a", "pcm_u8"}};
    case F::WavPcm16:
        return {"wav", false, {"-c:a", "pcm_s16le"}};
    case F::WavMsAdpcm:
        return {"wav", false, {"-c:a", "adpcm_ms"}};
    case F::WavImaAdpcm:
        return {"wav", false, {"-c:a", "adpcm_ima_wav"}};
    case F::Aiff:
        return {"aif", false, {"-c:a", "pcm_s16be"}};
    }
    return {"bin", false, {}};
}

} // namespace

MediaFactory::MediaFactory() = default;

bool MediaFactory::ffmpegAvailable()
{
    return !QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty();
}

QList<QImage> MediaFactory::decodeFrames(const QString &path, QSize size)
{
    QProcess process;
    process.start(QStringLiteral("ffmpeg"),
                  {"-v", "error", "-i", path, "-f", "rawvideo", "-pix_fmt", "rgb24", "-"});
    if (!process.waitForFinished(FfmpegTimeoutMs))
        return {};
    const QByteArray raw = process.readAllStandardOutput();
    const qsizetype frameBytes = qsizetype(size.width()) * size.height() * 3;
    QList<QImage> frames;
    for (qsizetype at = 0; at + frameBytes <= raw.size(); at += frameBytes) {
        const auto *data = reinterpret_cast<const uchar *>(raw.constData()) + at;
        frames.append(
            QImage(data, size.width(), size.height(), size.width() * 3, QImage::Format_RGB888)
                .convertToFormat(QImage::Format_RGB32));
    }
    return frames;
}

QList<MediaFactory::Format> MediaFactory::allFormats()
{
    using F = Format;
    return {F::AviCinepak, F::AviMsVideo1, F::AviMsRle,  F::AviRaw,  F::AviMpeg4,
            F::Mpeg1,      F::Mpeg2,       F::QuickTime, F::WavPcm8, F::WavPcm16,
            F::WavMsAdpcm, F::WavImaAdpcm, F::Aiff};
}

QString MediaFactory::formatName(Format format)
{
    using F = Format;
    switch (format) {
    case F::AviCinepak:
        return QStringLiteral("AVI Cinepak + PCM 8");
    case F::AviMsVideo1:
        return QStringLiteral("AVI Microsoft Video 1 + MS ADPCM");
    case F::AviMsRle:
        return QStringLiteral("AVI Microsoft RLE + IMA ADPCM");
    case F::AviRaw:
        return QStringLiteral("AVI uncompressed + PCM 16");
    case F::AviMpeg4:
        return QStringLiteral("AVI MPEG-4 + PCM 16");
    case F::Mpeg1:
        return QStringLiteral("MPEG-1");
    case F::Mpeg2:
        return QStringLiteral("MPEG-2");
    case F::QuickTime:
        return QStringLiteral("QuickTime");
    case F::WavPcm8:
        return QStringLiteral("WAVE PCM 8");
    case F::WavPcm16:
        return QStringLiteral("WAVE PCM 16");
    case F::WavMsAdpcm:
        return QStringLiteral("WAVE MS ADPCM");
    case F::WavImaAdpcm:
        return QStringLiteral("WAVE IMA ADPCM");
    case F::Aiff:
        return QStringLiteral("AIFF");
    }
    return {};
}

GeneratedMedia MediaFactory::make(Format format, double seconds, int fps, QSize size)
{
    const Recipe recipe = recipeFor(format);
    const bool mpeg = format == Format::Mpeg1 || format == Format::Mpeg2;
    const int rate = mpeg ? MpegFps : fps;

    QStringList arguments;
    if (recipe.video) {
        arguments << "-f"
                  << "lavfi"
                  << "-i"
                  << QStringLiteral("testsrc=size=%1x%2:rate=%3:duration=%4")
                         .arg(size.width())
                         .arg(size.height())
                         .arg(rate)
                         .arg(seconds);
    }
    arguments << "-f"
              << "lavfi"
              << "-i"
              << QStringLiteral("sine=frequency=440:sample_rate=%1:duration=%2")
                     .arg(SoundRate)
                     .arg(seconds);
    arguments << recipe.codecs << "-ar" << QString::number(SoundRate);

    const QString name = QStringLiteral("media%1.%2").arg(++m_serial).arg(recipe.suffix);
    GeneratedMedia media;
    media.path = run(name, arguments);
    if (media.path.isEmpty() && format == Format::AviMsRle
        && m_lastError.contains(QLatin1String("Unknown encoder")))
        media.path = writeMsRleAvi(name, seconds, fps, size);
    media.lengthMs = qRound64(seconds * 1000);
    if (recipe.video) {
        media.frames = qRound64(seconds * rate);
        media.size = size;
    }
    return media;
}

QString MediaFactory::run(const QString &name, const QStringList &arguments)
{
    if (!m_dir.isValid())
        return {};
    const QString path = m_dir.filePath(name);
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::MergedChannels);
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 QStringList{"-nostdin", "-v", "error", "-y"} << arguments << path);
    if (!ffmpeg.waitForFinished(FfmpegTimeoutMs) || ffmpeg.exitStatus() != QProcess::NormalExit
        || ffmpeg.exitCode() != 0) {
        m_lastError = QString::fromLocal8Bit(ffmpeg.readAll()).trimmed();
        if (m_lastError.isEmpty())
            m_lastError = ffmpeg.errorString();
        ffmpeg.kill();
        ffmpeg.waitForFinished();
        return {};
    }
    return path;
}

namespace {

// RIFF chunks, little-endian, padded to an even size.
QByteArray chunk(const char *id, const QByteArray &data)
{
    QByteArray out(id, 4);
    const quint32 size = quint32(data.size());
    out.append(reinterpret_cast<const char *>(&size), 4);
    out.append(data);
    if (data.size() % 2)
        out.append('\0');
    return out;
}

QByteArray list(const char *type, const QByteArray &data)
{
    return chunk("LIST", QByteArray(type, 4) + data);
}

QByteArray words(std::initializer_list<quint32> values)
{
    QByteArray out;
    for (quint32 v : values)
        out.append(reinterpret_cast<const char *>(&v), 4);
    return out;
}

// One picture in RLE8: every row as runs of one colour, bottom row first.
QByteArray encodeRle8(int width, int height, int frame)
{
    QByteArray out;
    for (int y = height - 1; y >= 0; --y) {
        int x = 0;
        while (x < width) {
            const auto colour = quint8((x / 8 + y / 8 + frame) % 16);
            int run = 1;
            while (x + run < width && run < 255
                   && quint8(((x + run) / 8 + y / 8 + frame) % 16) == colour)
                ++run;
            out.append(char(run)).append(char(colour));
            x += run;
        }
        out.append('\0').append('\0'); // end of line
    }
    out.append('\0').append('\1'); // end of picture
    return out;
}

} // namespace

QString MediaFactory::writeMsRleAvi(const QString &name, double seconds, int fps, QSize size)
{
    const int w = size.width();
    const int h = size.height();
    const auto frames = quint32(qRound(seconds * fps));

    QByteArray bitmapInfo = words({40, quint32(w), quint32(h)});
    bitmapInfo.append(char(1)).append('\0').append(char(8)).append('\0'); // planes, 8 bits
    bitmapInfo += words({1 /* BI_RLE8 */, quint32(w * h), 0, 0, 256, 256});
    for (int i = 0; i < 256; ++i) {
        const char entry[4] = {char(i * 16), char(255 - i * 16), char(i * 64), 0};
        bitmapInfo.append(entry, 4);
    }

    QByteArray movi;
    QByteArray index;
    quint32 offset = 4;
    for (quint32 f = 0; f < frames; ++f) {
        const QByteArray data = encodeRle8(w, h, int(f));
        const QByteArray frameChunk = chunk("00dc", data);
        index
            += QByteArray("00dc", 4) + words({0x10 /* key frame */, offset, quint32(data.size())});
        offset += quint32(frameChunk.size());
        movi += frameChunk;
    }

    const QByteArray mainHeader = words({quint32(1000000 / fps), 0, 0, 0x10 /* has index */, frames,
                                         0, 1, 0, quint32(w), quint32(h), 0, 0, 0, 0});
    QByteArray streamHeader = QByteArray("vidsmrle", 8)
                              + words({0, 0, 0, 1, quint32(fps), 0, frames, 0, 0xffffffff, 0});
    streamHeader += words({0, quint32(w | (h << 16))});
    const QByteArray header
        = list("hdrl", chunk("avih", mainHeader)
                           + list("strl", chunk("strh", streamHeader) + chunk("strf", bitmapInfo)));
    const QByteArray body
        = QByteArray("AVI ", 4) + header + list("movi", movi) + chunk("idx1", index);
    return write(name, chunk("RIFF", body));
}

QString MediaFactory::write(const QString &name, const QByteArray &bytes)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

} // namespace kvtest
