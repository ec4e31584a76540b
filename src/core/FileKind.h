#pragma once

#include <QList>
#include <QString>

// What the program does with a file handed to it from outside (its command line, a later
// start, a drop): told by the name's extension, as the program's own file dialogs do.
enum class FileKind {
    Animation,   // AVI, MPG, MOV: the main window's media window
    Flic,        // FLC, FLI: our decoder, in the main window's file list
    Sound,       // MID, RMI, WAV, AIF: the sound player
    Folder,      // the slideshow of its animations
    Unsupported, // a file of another kind
    Missing,     // nothing by that name, or nothing readable
};

struct GivenFile
{
    QString path; // absolute
    FileKind kind = FileKind::Missing;

    // Looks at the file now: a file may vanish or change between two starts.
    static GivenFile of(const QString &absolutePath);
    static QList<GivenFile> of(const QStringList &absolutePaths);
    bool operator==(const GivenFile &) const = default;
};

FileKind fileKindOf(const QString &path);
