#include "FileBrowsing.h"

#include "app/AppContext.h"
#include "controls/Form.h"
#include "controls/ListBox.h"
#include "controls/ZarnBttn.h"
#include "controls/files/DirList.h"
#include "controls/files/DriveList.h"
#include "controls/files/FileList.h"
#include "controls/files/FolderAccess.h"
#include "core/Logging.h"
#include "sounds/FileManagerMode.h"

#include <QDir>

FileBrowsing::FileBrowsing(Form &window, const FileManagerMode &mode, AppContext &context)
    : QObject(&window)
    , m_mode(mode)
    , m_context(context)
    , m_drives(window.require<DriveList>(QStringLiteral("Lecteur1")))
    , m_folders(window.require<DirList>(QStringLiteral("Répertoire1")))
    , m_kinds(window.require<ListBox>(QStringLiteral("List1")))
    , m_files(window.require<FileList>(QStringLiteral("Fichier1")))
    , m_copy(window.require<ZarnBttn>(QStringLiteral("CmdCopier")))
    , m_delete(window.require<ZarnBttn>(QStringLiteral("CmdSupprim")))
{
    connect(m_drives, &DriveList::change, this, &FileBrowsing::driveChosen);
    connect(m_drives, &DriveList::readError, this, &FileBrowsing::driveFailed);
    connect(m_folders, &DirList::change, this, &FileBrowsing::folderChanged);
    connect(m_folders, &DirList::readError, this, &FileBrowsing::folderFailed);
    connect(m_files, &FileList::readError, this,
            [this](const QString &message) { m_fileListError = message; });
    connect(m_files, &FileList::pathChange, this, [this] {
        m_copy->setEnabled(false);
        m_delete->setEnabled(false);
    });
    connect(m_kinds, &ListBox::click, this, &FileBrowsing::kindClicked);
}

void FileBrowsing::start()
{
    m_kinds->setEntry(0, m_mode.kindEntry);
    m_kinds->setEntry(1, QStringLiteral("Tous les fichiers (*.*)"));
    m_files->setPattern(m_mode.pattern);
    m_kinds->setListIndex(0);
    // A folder removed since the last opening: after its message, the home folder.
    if (!openFolder(m_context.general.DernierDossier))
        openFolder(QDir::homePath());
}

bool FileBrowsing::retry(const QString &place, const QString &systemMessage)
{
    MessageRequest request;
    request.icon = MessageIcon::Exclamation;
    request.buttons = MessageButtons::RetryCancel;
    request.title = m_context.general.TitreAppli;
    // The system's own text is English here: the user gets a French one, the log the other.
    request.text = QStringLiteral("Impossible de lire « %1 » : le lecteur n'est pas prêt, ou le "
                                  "dossier n'existe plus ou ne vous est pas accessible.")
                       .arg(QDir::toNativeSeparators(place));
    qCDebug(lcApp) << "cannot list" << place << ":" << systemMessage;
    return m_context.platform.messages->ask(request) == MessageAnswer::Retry;
}

bool FileBrowsing::openFolder(const QString &folder)
{
    for (;;) {
        bool opened = false;
        {
            // The failure is asked about here, not by folderFailed.
            const QSignalBlocker blocker(m_folders);
            opened = m_folders->setPath(folder);
        }
        if (opened) {
            {
                const QSignalBlocker blocker(m_drives);
                m_drives->setDrive(m_folders->path());
            }
            folderChanged();
            return true;
        }
        const QString place = m_folders->failedPath().isEmpty() ? folder : m_folders->failedPath();
        if (!retry(place, FolderAccess::listingError(place).value_or(QString())))
            return false;
    }
}

void FileBrowsing::driveChosen()
{
    if (openFolder(m_drives->drive()))
        return;
    // Back on the drive of the folder shown.
    const QSignalBlocker blocker(m_drives);
    m_drives->setDrive(m_folders->path());
}

void FileBrowsing::driveFailed(const QString &systemMessage)
{
    const QString failed = m_drives->failedDrive();
    if (retry(failed, systemMessage)) {
        m_drives->setDrive(failed);
        return;
    }
    const QSignalBlocker blocker(m_drives);
    m_drives->setDrive(m_folders->path());
}

void FileBrowsing::folderFailed(const QString &systemMessage)
{
    const QString failed = m_folders->failedPath();
    if (retry(failed, systemMessage))
        openFolder(failed);
}

void FileBrowsing::folderChanged()
{
    const QString folder = m_folders->path();
    while (!m_files->setPath(folder)) {
        // Cancel leaves the file list as it was.
        if (!retry(folder, m_fileListError))
            return;
    }
    m_context.general.DernierDossier = folder;
}

void FileBrowsing::kindClicked()
{
    switch (m_kinds->listIndex()) {
    case 0:
        m_files->setPattern(m_mode.pattern);
        break;
    case 1:
        m_files->setPattern(QStringLiteral("*.*"));
        break;
    default:
        break;
    }
}
