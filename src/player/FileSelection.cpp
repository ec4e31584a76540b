#include "FileSelection.h"

#include "app/AppContext.h"
#include "app/SharedProcedures.h"
#include "controls/Form.h"
#include "controls/ZarnBttn.h"
#include "controls/ZarnPanel.h"
#include "controls/files/DirList.h"
#include "controls/files/DriveList.h"
#include "controls/files/FileList.h"
#include "core/Twips.h"
#include "mainlayout/FenPrinState.h"
#include "media/MediaWindow.h"
#include "platform/CommonDialog.h"

#include <QDir>

const QString FileSelection::AnimationPattern = QStringLiteral("*.avi;*.mpg;*.mov");

FileSelection::FileSelection(Form &window, FenPrinState &state, MediaWindow &media,
                             CommonDialog &dialog, AppContext &context)
    : QObject(&window)
    , m_window(window)
    , m_state(state)
    , m_media(media)
    , m_dialog(dialog)
    , m_context(context)
    , m_drives(window.get<DriveList>(QStringLiteral("Lecteur1")))
    , m_folders(window.get<DirList>(QStringLiteral("Répertoire1")))
    , m_files(window.get<FileList>(QStringLiteral("Fichier1")))
{
    connect(window.button(QStringLiteral("CmdFiMCI")), &ZarnBttn::clicked, this,
            &FileSelection::openThroughDialog);
    connect(window.button(QStringLiteral("CmdSeqAVI")), &ZarnBttn::clicked, this,
            &FileSelection::toggleMenu);
    connect(window.button(QStringLiteral("mnuToutRep")), &ZarnBttn::clicked, this,
            [this] { openSlideshowPanel(true); });
    connect(window.button(QStringLiteral("mnuSelecFic")), &ZarnBttn::clicked, this,
            [this] { openSlideshowPanel(false); });
    connect(window.button(QStringLiteral("mnuListFic")), &ZarnBttn::clicked, this,
            &FileSelection::openListPanel);
    connect(window.button(QStringLiteral("mnuAide")), &ZarnBttn::clicked, this, [this] {
        hideMenu();
        SharedProcedures::showHelpTopic(m_context, 6);
    });
    connect(window.button(QStringLiteral("mnuAnnul")), &ZarnBttn::clicked, this,
            &FileSelection::hideMenu);

    connect(m_drives, &DriveList::change, this, &FileSelection::driveChanged);
    connect(m_drives, &DriveList::readError, this, &FileSelection::driveFailed);
    connect(m_folders, &DirList::change, this, [this] { m_files->setPath(m_folders->path()); });
    connect(m_files, &FileList::click, this, &FileSelection::fileClicked);
    for (QWidget *list : {static_cast<QWidget *>(m_drives), static_cast<QWidget *>(m_folders),
                          static_cast<QWidget *>(m_files)}) {
        list->setToolTip(QStringLiteral("VDTTip:Appuyer sur F1 pour afficher la rubrique d'aide"));
    }
    auto help = [this] {
        SharedProcedures::showHelpTopic(m_context, 12);
    };
    connect(m_drives, &DriveList::helpRequested, this, help);
    connect(m_folders, &DirList::helpRequested, this, help);
    connect(m_files, &FileList::helpRequested, this, help);
}

void FileSelection::hideMenu()
{
    m_window.control(QStringLiteral("mnuSeqAVI"))->hide();
}

void FileSelection::openThroughDialog()
{
    m_state.ModeNormal = true;
    CommonDialogState &d = m_dialog.state();
    d.flags = 4;
    d.cancelError = false;
    d.title = QStringLiteral("Nom du fichier AVI (MPEG, MOV)");
    d.filter
        = QStringLiteral("Animations AVI (MPG, MOV)|*.avi;*.mpg;*.mov|Tous les fichiers (*.*)|*.*");
    d.filterIndex = m_state.IndexFiltre;
    // A cancel keeps the dialog's previous file name, and the steps go on with it.
    m_dialog.showOpen();
    m_state.PleinEcran = false;
    m_media.setFileName(m_dialog.state().fileName);
    m_media.show();
    m_window.button(QStringLiteral("CmdPlayAVI"))->setEnabled(true);
    m_window.button(QStringLiteral("CmdRepetAVI"))->setEnabled(true);
    m_window.button(QStringLiteral("CmdPlEcrAVI"))->setEnabled(true);
    m_window.control(QStringLiteral("ButAVI"))->show();
    m_media.setFocus();
}

void FileSelection::toggleMenu()
{
    QWidget *menu = m_window.control(QStringLiteral("mnuSeqAVI"));
    if (!menu->isHidden()) {
        menu->hide();
        return;
    }
    Twips::move(menu, 1800, 2280);
    menu->show();
    menu->raise();
}

void FileSelection::openSlideshowPanel(bool wholeFolder)
{
    hideMenu();
    m_state.ModeNormal = false;
    m_window.control(QStringLiteral("ButAVI"))->hide();
    m_window.button(QStringLiteral("CmdFiMCI"))->setEnabled(false);
    m_window.button(QStringLiteral("CmdSeqAVI"))->hide();
    m_window.button(QStringLiteral("CmdSeqSTOP"))->show();
    m_state.ModeDossier = wholeFolder;
    m_state.ModeSelection = !wholeFolder;
    m_state.ModeListe = false;
    m_state.SeqAVI = true;
    m_state.SeqFLI = false;
    for (const char *name : {"PSeqAVI", "PSeqAVI2"}) {
        QWidget *panel = m_window.control(QString::fromUtf8(name));
        panel->raise();
        panel->show();
    }
    m_files->setPattern(AnimationPattern);
    m_folders->setFocus();
}

void FileSelection::openListPanel()
{
    hideMenu();
    m_state.ModeNormal = false;
    m_window.control(QStringLiteral("ButAVI"))->hide();
    m_window.control(QStringLiteral("PSeqAVI"))->show();
    m_window.control(QStringLiteral("PSeqAVI2"))->show();
    m_state.ModeListe = true;
    m_files->setPattern(AnimationPattern);
    m_folders->setFocus();
}

QString FileSelection::fullName(const QString &fileName) const
{
    return Platform::joinPath(m_files->path(), fileName, QDir::separator());
}

QString FileSelection::fullName(int index) const
{
    return fullName(m_files->list(index));
}

void FileSelection::fileClicked()
{
    const QString name = m_files->fileName();
    if (name.isEmpty())
        return;
    m_state.FichierCourant = fullName(name);
    m_state.FichierClique = true;
    if (!m_state.ModeListe)
        return;
    m_media.setZoom(100);
    m_window.panel(QStringLiteral("ZoomText"))->setCaption(QStringLiteral("100"));
    m_media.setFileName(m_state.FichierCourant);
    m_media.sendCommand(QStringLiteral("play"));
    m_media.show();
    m_media.setFocus();
}

void FileSelection::driveChanged()
{
    m_folders->setPath(m_drives->drive());
}

void FileSelection::driveFailed(const QString &systemMessage)
{
    const QString failed = m_drives->failedDrive();
    MessageRequest request;
    request.icon = MessageIcon::Exclamation;
    request.buttons = MessageButtons::RetryCancel;
    request.title = m_context.general.TitreAppli;
    request.text = systemMessage;
    if (m_context.platform.messages->ask(request) == MessageAnswer::Retry) {
        m_drives->setDrive(failed);
        return;
    }
    // Back on the drive of the folder shown.
    const QSignalBlocker blocker(m_drives);
    m_drives->setDrive(m_folders->path());
}
