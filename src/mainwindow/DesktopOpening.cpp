#include "DesktopOpening.h"

#include "controls/files/FileList.h"
#include "fli/FlicHandover.h"
#include "mainlayout/FenPrinState.h"
#include "media/MediaWindow.h"
#include "player/FileSelection.h"
#include "player/Slideshow.h"
#include "player/Transport.h"
#include "sounds/SoundPanel.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

DesktopOpening::DesktopOpening(QWidget &window, FenPrinState &state, MediaWindow &animation,
                               FileSelection &selection, Slideshow &slideshow, FlicHandover &flic,
                               SoundPanel &sounds, Transport &transport)
    : QObject(&window)
    , m_window(window)
    , m_state(state)
    , m_media(animation)
    , m_selection(selection)
    , m_slideshow(slideshow)
    , m_flic(flic)
    , m_sounds(sounds)
    , m_transport(transport)
{}

QString DesktopOpening::refusal(const QString &file, const QString &why)
{
    return QStringLiteral("Kinovue ST : « %1 » %2.").arg(QDir::toNativeSeparators(file), why);
}

void DesktopOpening::refuse(const QString &file, const QString &why)
{
    emit refused(refusal(file, why));
}

QString DesktopOpening::refusalOf(const GivenFile &file)
{
    switch (file.kind) {
    case FileKind::Missing:
        return refusal(file.path, QStringLiteral("est introuvable ou illisible"));
    case FileKind::Unsupported:
        return refusal(file.path, QStringLiteral("n'est ni une animation AVI, MPG, MOV, FLC ou "
                                                 "FLI, ni un son MID, RMI, WAV ou AIF"));
    default:
        return {};
    }
}

void DesktopOpening::open(const QList<GivenFile> &files)
{
    QStringList animations, folders, flics, sounds;
    for (const GivenFile &file : files) {
        switch (file.kind) {
        case FileKind::Missing:
        case FileKind::Unsupported:
            emit refused(refusalOf(file));
            break;
        case FileKind::Animation:
            animations << file.path;
            break;
        case FileKind::Folder:
            folders << file.path;
            break;
        case FileKind::Flic:
            flics << file.path;
            break;
        case FileKind::Sound:
            sounds << file.path;
            break;
        }
    }
    // The main window shows one thing at a time: the animations, else a folder's slideshow,
    // else an FLC/FLI file.
    QStringList left;
    if (!animations.isEmpty()) {
        openAnimations(animations);
        left = folders + flics;
    } else if (!folders.isEmpty()) {
        backToNormal();
        startSlideshow(true, folders.takeFirst(), {});
        left = folders + flics;
    } else if (!flics.isEmpty()) {
        openFlic(flics.takeFirst());
        left = flics;
    }
    for (const QString &file : std::as_const(left))
        refuse(file, QStringLiteral("n'est pas ouvert : la fenêtre montre une seule animation "
                                    "ou un seul slideshow à la fois"));
    if (!sounds.isEmpty()) {
        openSound(sounds.takeFirst());
        for (const QString &file : std::as_const(sounds))
            refuse(file,
                   QStringLiteral("n'est pas chargé : le lecteur joue un seul son à la fois"));
    }
}

void DesktopOpening::openFromLaterStart(const QStringList &paths)
{
    QList<GivenFile> files;
    for (const QString &path : paths) {
        // Only names made whole by the sender mean the same file here.
        files << (QDir::isAbsolutePath(path) ? GivenFile::of(path) : GivenFile{path});
    }
    open(files);
    if (m_window.isMinimized())
        m_window.showNormal();
    m_window.raise();
    m_window.activateWindow();
}

void DesktopOpening::backToNormal()
{
    // A slideshow or the file panel in progress ends as the user would end it.
    if (m_state.ModeNormal && !m_state.ModeListe)
        return;
    m_slideshow.cancel();
    m_slideshow.stop();
}

void DesktopOpening::checkOpened(const QString &file)
{
    if (m_media.fileName().isEmpty())
        refuse(file, QStringLiteral("ne peut pas être lu"));
}

void DesktopOpening::openAnimations(const QStringList &files)
{
    backToNormal();
    if (files.size() == 1) {
        m_selection.openChosen(files.first());
        checkOpened(files.first());
        if (!m_media.fileName().isEmpty())
            m_transport.play();
        return;
    }
    // A slideshow plays the files of one folder: the first file's.
    const QString folder = QFileInfo(files.first()).absolutePath();
    QStringList names;
    for (const QString &file : files) {
        const QFileInfo info(file);
        if (info.absolutePath() == folder)
            names << info.fileName();
        else
            refuse(file, QStringLiteral("n'est pas dans le dossier de « %1 » : le slideshow "
                                        "joue les fichiers d'un seul dossier")
                             .arg(QDir::toNativeSeparators(files.first())));
    }
    startSlideshow(false, folder, names);
}

void DesktopOpening::startSlideshow(bool wholeFolder, const QString &folder,
                                    const QStringList &names)
{
    m_slideshow.openPanel(wholeFolder);
    if (!m_selection.showFolder(folder)) {
        m_slideshow.cancel();
        refuse(folder, QStringLiteral("ne peut pas être lu"));
        return;
    }
    QList<int> entries;
    if (wholeFolder && m_selection.files().listCount() > 0)
        entries << 0;
    for (const QString &name : names) {
        const int entry = m_selection.entryOf(name);
        if (entry < 0)
            refuse(QDir(folder).filePath(name),
                   QStringLiteral("n'est pas une animation du slideshow"));
        else
            entries << entry;
    }
    if (entries.isEmpty()) {
        m_slideshow.cancel();
        refuse(folder, QStringLiteral("ne contient aucune animation AVI, MPG ou MOV"));
        return;
    }
    // As the user would: select the files, click the first one, then OK.
    FileList &list = m_selection.files();
    list.setListIndex(entries.first());
    list.clearSelection();
    for (int entry : std::as_const(entries))
        list.setSelected(entry, true);
    m_selection.fileClicked();
    m_slideshow.ok();
    checkOpened(m_state.FichierCourant);
}

void DesktopOpening::openFlic(const QString &file)
{
    backToNormal();
    // As "Liste des fichiers" does: the list of the file's folder, then a click on the file.
    m_flic.openListPanel();
    const QFileInfo info(file);
    const int entry
        = m_selection.showFolder(info.absolutePath()) ? m_selection.entryOf(info.fileName()) : -1;
    if (entry < 0) {
        refuse(file, QStringLiteral("ne peut pas être lu"));
        return;
    }
    m_selection.files().setListIndex(entry);
    m_selection.fileClicked();
    checkOpened(file);
}

void DesktopOpening::openSound(const QString &file)
{
    if (m_sounds.loadChosen(file))
        m_sounds.play();
    else
        refuse(file, QStringLiteral("ne peut pas être lu"));
}
