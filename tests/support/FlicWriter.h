#pragma once

#include <QByteArray>
#include <QList>
#include <QRgb>
#include <QString>

// An 8-bit indexed picture, one byte a pixel, rows top to bottom.
struct FlicPicture
{
    int width = 0;
    int height = 0;
    QByteArray pixels;

    static FlicPicture filled(int width, int height, uchar value);
    // Runs, gradients and noise, so that every packet kind of every encoder is used.
    static FlicPicture pattern(int width, int height, int seed);
    uchar at(int x, int y) const { return uchar(pixels.at(y * width + x)); }
    void set(int x, int y, uchar value) { pixels[y * width + x] = char(value); }
    bool operator==(const FlicPicture &other) const = default;
};

// Writes FLI and FLC files for tests, with the chunk kinds chosen by the caller: each encoder
// really compresses, so a decoder that reads one packet kind wrongly gives other pixels.
class FlicWriter
{
public:
    enum class Format { Fli, Flc };

    // speed: 1/70 s for FLI, milliseconds for FLC.
    FlicWriter(Format format, int width, int height, quint32 speed);

    // FLC only: an 0xF100 prefix chunk before the first frame, which a reader skips.
    void addPrefixChunk();
    void addFrame(const QList<QByteArray> &chunks);
    // The frame after the last that leads back to the first; not counted in the header.
    void addRingFrame(const QList<QByteArray> &chunks);
    // Overrides the frame count written in the header.
    void setHeaderFrameCount(int frames) { m_headerFrames = frames; }

    QByteArray bytes() const;
    bool save(const QString &path) const;

    static QByteArray chunk(quint16 type, const QByteArray &payload);
    // One packet setting entries first.. from 8-bit colours.
    static QByteArray colour256(const QList<QRgb> &colours, int first = 0);
    // The same with 6-bit levels (0..63) taken from each colour's channels.
    static QByteArray colour64(const QList<QRgb> &levels, int first = 0);
    static QByteArray byteRun(const FlicPicture &picture);
    static QByteArray deltaFli(const FlicPicture &from, const FlicPicture &to);
    static QByteArray deltaFlc(const FlicPicture &from, const FlicPicture &to);
    static QByteArray black();
    static QByteArray literal(const FlicPicture &picture);
    static QByteArray postageStamp();

private:
    QByteArray frameChunk(const QList<QByteArray> &chunks) const;

    Format m_format;
    int m_width;
    int m_height;
    quint32 m_speed;
    int m_headerFrames = -1;
    bool m_prefix = false;
    QList<QByteArray> m_frames;
    QByteArray m_ring;
};
