#pragma once

// What every benchmark program does the same way: its platform, its checks before measuring,
// and the process figures it compares.

#include "MediaFactory.h"

#include <QFile>
#include <QProcess>
#include <QStringList>

#include <clocale>
#include <cstdio>
#include <sys/resource.h>

namespace bench {

// Offscreen unless a display is there to be measured; call before the application exists.
inline void choosePlatform()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// libmpv reads numbers in the C locale, and the media are made by ffmpeg.
inline bool ready()
{
    std::setlocale(LC_NUMERIC, "C");
    if (kvtest::MediaFactory::ffmpegAvailable())
        return true;
    std::puts("ffmpeg is missing: nothing to measure");
    return false;
}

// User and system time of this process (RUSAGE_SELF) or of its finished children.
inline double cpuSeconds(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    auto seconds = [](const timeval &t) {
        return double(t.tv_sec) + t.tv_usec / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The process's peak resident memory so far, in kB; -1 when the system does not say.
inline long peakKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).simplified().split(' ').value(0).toLong();
    }
    return -1;
}

// The decode-only baseline: CPU seconds of `ffmpeg -f null` decoding each file in turn.
inline double decodeOnlyCpu(const QStringList &files)
{
    const double before = cpuSeconds(RUSAGE_CHILDREN);
    for (const QString &file : files) {
        QProcess ffmpeg;
        ffmpeg.start(QStringLiteral("ffmpeg"),
                     {"-nostdin", "-v", "error", "-i", file, "-f", "null", "-"});
        ffmpeg.waitForFinished(120000);
    }
    return cpuSeconds(RUSAGE_CHILDREN) - before;
}

} // namespace bench
