#include "FileCopy.h"

#include "app/AppContext.h"
#include "app/SharedProcedures.h"
#include "core/Logging.h"
#include "platform/CommonDialog.h"
#include "sounds/FileManagerMode.h"

FileCopy::FileCopy(QObject *parent, const FileManagerMode &mode, CommonDialog &dialog,
                   AppContext &context)
    : QObject(parent)
    , m_mode(mode)
    , m_dialog(dialog)
    , m_context(context)
{}

void FileCopy::copyChosenFile()
{
    const QString source = m_context.general.FichierChoisi;
    CommonDialogState &d = m_dialog.state();
    d.flags = 4;
    d.cancelError = false;
    d.fileName = source;
    d.title = m_mode.copyTitle;
    d.filter = m_mode.copyFilter;
    // A cancel leaves the source as the destination: nothing to copy.
    if (m_dialog.showSave() != DialogOutcome::Accepted)
        return;

    const CopyResult result = m_context.platform.files->copy(source, d.fileName);
    switch (result.outcome) {
    case CopyOutcome::Copied:
        SharedProcedures::ProcSonRessource(m_context, 20);
        break;
    case CopyOutcome::Failed: {
        MessageRequest request;
        request.icon = MessageIcon::Exclamation;
        request.buttons = MessageButtons::Ok;
        request.title = m_mode.copyTitle;
        request.text = result.message;
        m_context.platform.messages->ask(request);
        break;
    }
    case CopyOutcome::SourceMissing:
    case CopyOutcome::SameFile:
    case CopyOutcome::Cancelled:
        qCDebug(lcApp) << "nothing copied from" << source << "to" << d.fileName;
        break;
    }
}
