#pragma once

#include "core/FileKind.h"

#include <QObject>
#include <QStringList>

class FileSelection;
class FlicHandover;
class MediaWindow;
class QWidget;
class Slideshow;
class SoundPanel;
class Transport;
struct FenPrinState;

// Files handed to the main window from the desktop (the command line, a later start of the
// program, a drop) open as if the user had chosen them in the window: an animation through
// the open dialog, then played; several animations or a folder as a slideshow; an FLC/FLI
// file in the file list; a sound through the sound player's dialog, then played.
class DesktopOpening : public QObject
{
    Q_OBJECT

public:
    DesktopOpening(QWidget &window, FenPrinState &state, MediaWindow &animation,
                   FileSelection &selection, Slideshow &slideshow, FlicHandover &flic,
                   SoundPanel &sounds, Transport &transport);

    void open(const QList<GivenFile> &files);
    // Why a file of this kind cannot be opened at all; empty when it can be tried.
    static QString refusalOf(const GivenFile &file);
    // Names sent by a later start: opened, and the window comes to the front.
    void openFromLaterStart(const QStringList &paths);

signals:
    // One line of French for the error output: a file that was not opened, and why.
    void refused(const QString &message);

private:
    void openAnimations(const QStringList &files);
    void startSlideshow(bool wholeFolder, const QString &folder, const QStringList &names);
    void openFlic(const QString &file);
    void openSound(const QString &file);
    void backToNormal();
    void refuse(const QString &file, const QString &why);
    static QString refusal(const QString &file, const QString &why);
    void checkOpened(const QString &file);

    QWidget &m_window;
    FenPrinState &m_state;
    MediaWindow &m_media;
    FileSelection &m_selection;
    Slideshow &m_slideshow;
    FlicHandover &m_flic;
    SoundPanel &m_sounds;
    Transport &m_transport;
};
