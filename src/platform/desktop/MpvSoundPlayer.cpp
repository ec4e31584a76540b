#include "MpvSoundPlayer.h"

#include "core/AudioDevices.h"
#include "core/Logging.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QtEndian>

#include <mpv/client.h>
#include <mpv/stream_cb.h>

#include <algorithm>
#include <clocale>
#include <cstring>

namespace {

constexpr char Protocol[] = "kvwave";

quint32 le32(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

// One reader per stream libmpv opens on our bytes. The callbacks run on libmpv's threads but
// only copy out of a byte array nobody changes while the core lives, so no queued call is
// needed.
struct Cursor
{
    const QByteArray *bytes = nullptr;
    qint64 position = 0;
};

int64_t readBytes(void *cookie, char *buffer, uint64_t count)
{
    auto *cursor = static_cast<Cursor *>(cookie);
    const qint64 left = cursor->bytes->size() - cursor->position;
    const qint64 n = std::min<qint64>(left, qint64(std::min<uint64_t>(count, INT64_MAX)));
    if (n <= 0)
        return 0;
    std::memcpy(buffer, cursor->bytes->constData() + cursor->position, size_t(n));
    cursor->position += n;
    return n;
}

int64_t seekBytes(void *cookie, int64_t offset)
{
    auto *cursor = static_cast<Cursor *>(cookie);
    if (offset < 0 || offset > cursor->bytes->size())
        return MPV_ERROR_GENERIC;
    cursor->position = offset;
    return offset;
}

int64_t sizeOf(void *cookie)
{
    return static_cast<Cursor *>(cookie)->bytes->size();
}

void closeCursor(void *cookie)
{
    delete static_cast<Cursor *>(cookie);
}

int openStream(void *userData, char *, mpv_stream_cb_info *info)
{
    auto *cursor = new Cursor{static_cast<const QByteArray *>(userData), 0};
    info->cookie = cursor;
    info->read_fn = readBytes;
    info->seek_fn = seekBytes;
    info->size_fn = sizeOf;
    info->close_fn = closeCursor;
    info->cancel_fn = nullptr;
    return 0;
}

struct MpvCore
{
    mpv_handle *handle = mpv_create();
    ~MpvCore()
    {
        if (handle)
            mpv_terminate_destroy(handle);
    }
};

} // namespace

std::optional<double> MpvSoundPlayer::durationSeconds(const QByteArray &wave)
{
    if (wave.size() < 12 || !wave.startsWith("RIFF") || wave.mid(8, 4) != "WAVE")
        return std::nullopt;
    quint32 byteRate = 0;
    qint64 dataSize = -1;
    qsizetype at = 12;
    while (at + 8 <= wave.size()) {
        const QByteArray id = wave.mid(at, 4);
        const quint32 size = le32(wave, at + 4);
        if (id == "fmt " && size >= 16 && at + 8 + 12 <= wave.size())
            byteRate = le32(wave, at + 8 + 8);
        if (id == "data") {
            // A writer that did not know the length leaves it too large: trust the bytes.
            dataSize = std::min<qint64>(size, wave.size() - (at + 8));
            break;
        }
        at += 8 + qsizetype(size) + (size & 1);
    }
    if (byteRate == 0 || dataSize < 0)
        return std::nullopt;
    return double(dataSize) / byteRate;
}

bool MpvSoundPlayer::playSync(const QByteArray &wave)
{
    const std::optional<double> duration = durationSeconds(wave);
    if (!duration) {
        qCInfo(lcPlatform) << "sound not played: not a RIFF/WAVE file";
        return false;
    }
    // A sound started while another plays (from an event processed below) is dropped, as the
    // platform's single sound call would.
    if (m_playing) {
        qCInfo(lcPlatform) << "sound not played: another one is playing";
        return false;
    }
    m_playing = true;
    const QByteArray bytes = wave; // held still for the stream callbacks
    bool played = false;
    {
        std::setlocale(LC_NUMERIC, "C"); // libmpv refuses to start under another one
        MpvCore core;
        if (!core.handle) {
            qCWarning(lcPlatform) << "sound not played: no libmpv core";
            m_playing = false;
            return false;
        }
        mpv_handle *mpv = core.handle;
        const std::pair<const char *, const char *> options[] = {
            {"config", "no"},
            {"terminal", "no"},
            {"video", "no"},
            {"audio-display", "no"},
            {"load-scripts", "no"},
            {"ytdl", "no"},
            {"idle", "yes"},
            {"audio-fallback-to-null", "yes"},
            {"input-default-bindings", "no"},
        };
        for (const auto &[name, value] : options)
            mpv_set_option_string(mpv, name, value);
        if (!AudioDevices::outputAvailable())
            mpv_set_option_string(mpv, "ao", "null");
        if (mpv_initialize(mpv) < 0
            || mpv_stream_cb_add_ro(mpv, Protocol, const_cast<QByteArray *>(&bytes), openStream)
                   < 0) {
            qCWarning(lcPlatform) << "sound not played: libmpv did not start";
            m_playing = false;
            return false;
        }
        const QByteArray url = QByteArray(Protocol) + "://sound.wav";
        const char *command[] = {"loadfile", url.constData(), nullptr};
        mpv_command(mpv, command);

        const qint64 limitMs = qint64(std::min(*duration, 600.0) * 1500) + 5000;
        QElapsedTimer elapsed;
        elapsed.start();
        bool ended = false;
        while (!ended && elapsed.elapsed() < limitMs) {
            const mpv_event *event = mpv_wait_event(mpv, 0.02);
            if (event->event_id == MPV_EVENT_END_FILE) {
                const auto *end = static_cast<const mpv_event_end_file *>(event->data);
                played = end->reason == MPV_END_FILE_REASON_EOF;
                ended = true;
            } else if (event->event_id == MPV_EVENT_SHUTDOWN) {
                ended = true;
            }
            // Paint and timers go on; clicks wait until the sound is over.
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
        if (!ended)
            qCWarning(lcPlatform) << "sound stopped: it did not end in time";
        else if (!played)
            qCInfo(lcPlatform) << "sound not played: libmpv could not read it";
    }
    m_playing = false;
    return played;
}
