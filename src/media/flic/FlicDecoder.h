#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <array>
#include <vector>

// Reads FLI and FLC animations (8 bits per pixel) held whole in memory: the header, an index
// of the frame chunks, and a picture built by applying frames in order to an indexed buffer.
// Random access keeps copies of that buffer every few frames, so a seek or a step backward
// decodes only from the nearest copy. Corrupt input is refused at open time or shown as far
// as it can be read: every loop is bounded by the bytes of its chunk and the picture size.
class FlicDecoder
{
public:
    enum class Format { Fli, Flc };

    // Refused above these: a picture side, the pixels of a frame, and the whole file.
    static constexpr int MaxSide = 4096;
    static constexpr qint64 MaxPixels = 4 * 1024 * 1024;
    static constexpr qint64 MaxFileBytes = 256 * 1024 * 1024;
    // The interval used when the header gives a speed of zero: 5/70 s, a usual FLI speed.
    static constexpr quint32 DefaultFliSpeed = 5;

    bool open(const QString &path);
    bool openData(const QByteArray &data);
    void close();

    bool isOpen() const { return !m_frames.empty(); }
    QString errorString() const { return m_error; }
    Format format() const { return m_format; }
    QSize size() const { return QSize(m_width, m_height); }
    // The header's count; frames that cannot be read end the animation earlier.
    int headerFrameCount() const { return m_headerFrames; }
    int frameCount() const { return int(m_frames.size()); }

    // Frame timing is an exact fraction of a millisecond (FLI counts in 1/70 s).
    qint64 lengthMs() const;
    // The first whole millisecond at which the frame is shown.
    qint64 frameStartMs(int frame) const;
    // The frame shown at that time, clamped into the animation.
    int frameAtMs(qint64 ms) const;
    double frameIntervalMs() const { return double(m_intervalNum) / double(m_intervalDen); }

    // Makes the picture that of the given frame (clamped). Returns false when closed.
    bool seekFrame(int frame);
    int currentFrame() const { return m_current; }

    const std::vector<uchar> &pixels() const { return m_pixels; }
    const std::array<QRgb, 256> &palette() const { return m_palette; }
    QImage toImage() const;

    int checkpointInterval() const { return m_checkpointEvery; }

private:
    struct FrameRef
    {
        qsizetype offset = 0; // first sub-chunk
        qsizetype end = 0;    // end of the frame's bytes, clamped to the file
        int chunks = 0;
    };
    struct Checkpoint
    {
        int frame = -1;
        std::vector<uchar> pixels;
        std::array<QRgb, 256> palette{};
    };

    bool refuse(const QString &why);
    void indexFrames(qsizetype start);
    void resetPicture();
    void decodeFrame(int frame);
    void keepCheckpoint();

    void applyColour(const uchar *data, qsizetype size, bool sixBit);
    void applyDeltaFlc(const uchar *data, qsizetype size);
    void applyDeltaFli(const uchar *data, qsizetype size);
    void applyByteRun(const uchar *data, qsizetype size);
    void applyCopy(const uchar *data, qsizetype size);

    QByteArray m_data;
    QString m_error;
    Format m_format = Format::Flc;
    int m_width = 0;
    int m_height = 0;
    int m_headerFrames = 0;
    qint64 m_intervalNum = 1; // milliseconds per frame = num / den
    qint64 m_intervalDen = 1;
    std::vector<FrameRef> m_frames;

    int m_current = -1;
    std::vector<uchar> m_pixels;
    std::array<QRgb, 256> m_palette{};
    int m_checkpointEvery = 16;
    std::vector<Checkpoint> m_checkpoints; // slot i holds frame i * m_checkpointEvery
    bool m_toldUnknownChunk = false;
};
