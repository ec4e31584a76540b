#pragma once

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <QTemporaryDir>

namespace kvtest {

// A media file made for a test, with what it is known to hold.
struct GeneratedMedia
{
    QString path; // empty when it could not be made
    qint64 lengthMs = 0;
    qint64 frames = 0; // 0 for sounds
    QSize size;        // empty for sounds
};

// Makes media at test time with the ffmpeg command, into a temporary folder that lives as
// long as the factory. Pictures are ffmpeg's test pattern, sounds a sine tone.
class MediaFactory
{
public:
    enum class Format {
        AviCinepak,  // Cinepak video, 8-bit PCM sound
        AviMsVideo1, // Microsoft Video 1, Microsoft ADPCM sound
        AviMsRle,    // Microsoft RLE (8-bit palette), IMA ADPCM sound when ffmpeg can
                     // encode RLE; otherwise our own writer, picture only
        AviRaw,      // uncompressed video, 16-bit PCM sound
        AviMpeg4,    // MPEG-4 part 2 video, 16-bit PCM sound
        Mpeg1,       // MPEG-1 system stream
        Mpeg2,       // MPEG-2 program stream
        QuickTime,   // QuickTime animation (RLE) video, PCM sound
        WavPcm8,
        WavPcm16,
        WavMsAdpcm,
        WavImaAdpcm,
        Aiff,
    };

    MediaFactory();

    static bool ffmpegAvailable();
    // The pictures ffmpeg's own decoders give for a file of pictures of this size, as a second
    // opinion; empty when it cannot read the file.
    static QList<QImage> decodeFrames(const QString &path, QSize size);
    static QList<Format> allFormats();
    static QString formatName(Format format);

    // Makes one file of the format: video at fps (MPEG streams always use 25, the lowest rate
    // they allow), lasting seconds. The known facts come back with the path.
    GeneratedMedia make(Format format, double seconds = 2, int fps = 10, QSize size = {64, 48});
    // Runs ffmpeg with the given arguments to write name in the folder; the path, or empty.
    QString run(const QString &name, const QStringList &arguments);
    // A file of the given bytes in the folder (for damaged media).
    QString write(const QString &name, const QByteArray &bytes);
    QString folder() const { return m_dir.path(); }
    // What ffmpeg said when it last failed.
    QString lastError() const { return m_lastError; }

private:
    // ffmpeg before 6.1 has no Microsoft RLE encoder: this writes such an AVI itself.
    QString writeMsRleAvi(const QString &name, double seconds, int fps, QSize size);

    QTemporaryDir m_dir;
    QString m_lastError;
    int m_serial = 0;
};

} // namespace kvtest
