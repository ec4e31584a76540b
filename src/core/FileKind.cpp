#include "FileKind.h"

#include <QFileInfo>

FileKind fileKindOf(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() || !info.isReadable())
        return FileKind::Missing;
    if (info.isDir())
        return FileKind::Folder;
    const QString suffix = info.suffix().toLower();
    static const QStringList animations{"avi", "mpg", "mpeg", "mov"};
    static const QStringList flics{"flc", "fli"};
    static const QStringList sounds{"mid", "midi", "rmi", "wav", "aif", "aiff"};
    if (animations.contains(suffix))
        return FileKind::Animation;
    if (flics.contains(suffix))
        return FileKind::Flic;
    if (sounds.contains(suffix))
        return FileKind::Sound;
    return FileKind::Unsupported;
}

GivenFile GivenFile::of(const QString &absolutePath)
{
    return {absolutePath, fileKindOf(absolutePath)};
}

QList<GivenFile> GivenFile::of(const QStringList &absolutePaths)
{
    QList<GivenFile> files;
    for (const QString &path : absolutePaths)
        files << of(path);
    return files;
}
