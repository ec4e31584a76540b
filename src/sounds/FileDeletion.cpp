#include "FileDeletion.h"

#include "app/AppContext.h"
#include "controls/Form.h"
#include "controls/ZarnBttn.h"
#include "controls/files/FileList.h"
#include "core/Logging.h"
#include "media/MediaWindow.h"

#include <QDir>
#include <QFileInfo>

FileDeletion::FileDeletion(Form &window, MediaWindow &media, AppContext &context)
    : QObject(&window)
    , m_media(media)
    , m_context(context)
    , m_files(window.require<FileList>(QStringLiteral("Fichier1")))
    , m_copy(window.require<ZarnBttn>(QStringLiteral("CmdCopier")))
    , m_delete(window.require<ZarnBttn>(QStringLiteral("CmdSupprim")))
{}

bool FileDeletion::confirmed(const QString &path)
{
    MessageRequest request;
    request.icon = MessageIcon::Question;
    request.buttons = MessageButtons::YesNo;
    request.defaultButton = 1; // "Non"
    request.title = QStringLiteral("Suppression du fichier");
    request.text = QStringLiteral("Voulez-vous mettre le fichier « %1 » à la corbeille ?\n"
                                  "Vous pourrez l'y retrouver et le restaurer.")
                       .arg(QDir::toNativeSeparators(path));
    return m_context.platform.messages->ask(request) == MessageAnswer::Yes;
}

void FileDeletion::deleteChosenFile()
{
    const QString path = m_context.general.FichierChoisi;
    // The preview lets the file go before it moves.
    m_media.sendCommand(QStringLiteral("close"));
    FileOperations &files = *m_context.platform.files;
    if (!files.clearAttributes(path)) {
        qCDebug(lcApp) << "file manager cannot delete" << path << ": it is gone or locked";
        return;
    }
    if (confirmed(path)) {
        const TrashResult result = files.moveToTrash(path);
        if (result.outcome == TrashOutcome::Refused) {
            MessageRequest request;
            request.icon = MessageIcon::Exclamation;
            request.buttons = MessageButtons::Ok;
            request.title = QStringLiteral("Suppression du fichier");
            request.text = result.message;
            m_context.platform.messages->ask(request);
        } else if (result.outcome == TrashOutcome::Missing) {
            qCDebug(lcApp) << path << "went away before it reached the trash";
        }
    }
    m_files->refresh();
    m_copy->setEnabled(false);
    m_delete->setEnabled(false);
}
