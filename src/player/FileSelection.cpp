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
#include "player/SettingsPanel.h"
#include "player/Transport.h"

#include <QDir>

const QString FileSelection::AnimationPattern = QStringLiteral("*.avi;*.mpg;*.mov");

FileSelection::FileSelection(Form &window, FenPrinState &state, MediaWindow &media,
                             CommonDialog &dialog, Transport &transport, SettingsPanel &settings,
                             AppContext &context)
    : QObject(&window)
    , m_state(state)
    , m_media(media)
    , m_dialog(dialog)
    , m_transport(transport)
    , m_settings(settings)
    , m_context(context)
    , m_choose(window.require<ZarnBttn>(QStringLiteral("CmdFiMCI")))
    , m_menuButton(window.require<ZarnBttn>(QStringLiteral("CmdSeqAVI")))
    , m_menu(window.require<ZarnPanel>(QStringLiteral("mnuSeqAVI")))
    , m_panel(window.require<ZarnPanel>(QStringLiteral("PSeqAVI")))
    , m_lowerPanel(window.require<ZarnPanel>(QStringLiteral("PSeqAVI2")))
    , m_drives(window.require<DriveList>(QStringLiteral("Lecteur1")))
    , m_folders(window.require<DirList>(QStringLiteral("Répertoire1")))
    , m_files(window.require<FileList>(QStringLiteral("Fichier1")))
{
    auto item = [&window](const char *name) {
        return window.require<ZarnBttn>(QString::fromUtf8(name));
    };
    connect(m_choose, &ZarnBttn::clicked, this, &FileSelection::openThroughDialog);
    connect(m_menuButton, &ZarnBttn::clicked, this, &FileSelection::toggleMenu);
    connect(m_menuButton, &ZarnBttn::mouseDown, this, [this](const ControlMouse &mouse) {
        if (mouse.button == 2)
            emit warningRequested();
    });
    connect(item("mnuToutRep"), &ZarnBttn::clicked, this, [this] {
        hideMenu();
        emit slideshowChosen(true);
    });
    connect(item("mnuSelecFic"), &ZarnBttn::clicked, this, [this] {
        hideMenu();
        emit slideshowChosen(false);
    });
    connect(item("mnuListFic"), &ZarnBttn::clicked, this, &FileSelection::openListPanel);
    connect(item("mnuAide"), &ZarnBttn::clicked, this, [this] {
        hideMenu();
        SharedProcedures::showHelpTopic(m_context, 6);
    });
    connect(item("mnuAnnul"), &ZarnBttn::clicked, this, &FileSelection::hideMenu);

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
    m_menu->hide();
}

void FileSelection::openInWindow(const QString &file)
{
    m_media.setFileName(file);
    m_media.show();
    m_transport.armForFile();
    m_media.setFocus();
}

void FileSelection::openHandedBack(const QString &file)
{
    m_state.ModeNormal = true;
    m_settings.resetZoom();
    openInWindow(file);
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
    openChosen(m_dialog.state().fileName);
}

void FileSelection::openChosen(const QString &file)
{
    m_state.ModeNormal = true;
    // The dialog offers it next time, as when it was chosen there.
    m_dialog.state().fileName = file;
    m_state.PleinEcran = false;
    openInWindow(file);
}

bool FileSelection::showFolder(const QString &folder)
{
    if (!m_folders->setPath(folder) || !m_files->setPath(m_folders->path()))
        return false;
    const QSignalBlocker blocker(m_drives);
    m_drives->setDrive(m_folders->path());
    return true;
}

int FileSelection::entryOf(const QString &fileName) const
{
    for (int i = 0; i < m_files->listCount(); ++i) {
        if (m_files->list(i) == fileName)
            return i;
    }
    return -1;
}

void FileSelection::toggleMenu()
{
    if (!m_menu->isHidden()) {
        m_menu->hide();
        return;
    }
    Twips::move(m_menu, 1800, 2280);
    m_menu->show();
    m_menu->raise();
}

void FileSelection::openPanel(const QString &pattern, bool raise)
{
    for (ZarnPanel *panel : {m_panel, m_lowerPanel}) {
        if (raise)
            panel->raise();
        panel->show();
    }
    m_files->setPattern(pattern);
    m_folders->setFocus();
}

void FileSelection::hidePanel()
{
    m_panel->hide();
    m_lowerPanel->hide();
}

void FileSelection::setIdle(bool idle)
{
    m_choose->setEnabled(idle);
    m_menuButton->setVisible(idle);
}

void FileSelection::allowSlideshow(bool allowed)
{
    m_menuButton->setEnabled(allowed);
}

void FileSelection::openListPanel()
{
    hideMenu();
    m_state.ModeNormal = false;
    m_transport.showBar(false);
    m_state.ModeListe = true;
    openPanel(AnimationPattern, false);
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
    m_settings.resetZoom();
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
