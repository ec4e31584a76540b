#include "QtCommonDialog.h"

#include "platform/PassingDialog.h"

#include "WindowsFilter.h"

#include "core/Colour.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>

namespace {

// The folder the dialog opens in: the folder of a file name that has one (as Windows does),
// else the initial directory, else wherever the dialog starts by itself.
QString startFolder(const CommonDialogState &state)
{
    const QFileInfo file(state.fileName);
    if (!state.fileName.isEmpty() && file.isAbsolute() && file.dir().exists())
        return file.absolutePath();
    if (!state.initialDirectory.isEmpty() && QFileInfo(state.initialDirectory).isDir())
        return state.initialDirectory;
    return QString();
}

} // namespace

DialogOutcome QtCommonDialog::showOpen()
{
    return showFile(false);
}
DialogOutcome QtCommonDialog::showSave()
{
    return showFile(true);
}

DialogOutcome QtCommonDialog::showFile(bool save)
{
    QFileDialog dialog;
    PassingDialog::mark(dialog);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setWindowTitle(state().title.isEmpty() ? (save ? QStringLiteral("Enregistrer sous")
                                                          : QStringLiteral("Ouvrir"))
                                                  : state().title);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (save && !(state().flags & OverwritePrompt))
        dialog.setOption(QFileDialog::DontConfirmOverwrite);

    const QString folder = startFolder(state());
    if (!folder.isEmpty())
        dialog.setDirectory(folder);

    const QStringList filters = qtFiltersFromWindows(state().filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        // An index past the list (or below it) falls back to the first filter, as on Windows.
        const int index = state().filterIndex;
        dialog.selectNameFilter(filters.value(index - 1, filters.first()));
    }
    if (!state().fileName.isEmpty())
        dialog.selectFile(QFileInfo(state().fileName).fileName());

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return cancelled();

    m_state.fileName = dialog.selectedFiles().first();
    if (!filters.isEmpty()) {
        const qsizetype chosen = filters.indexOf(dialog.selectedNameFilter());
        if (chosen >= 0)
            m_state.filterIndex = int(chosen) + 1;
    }
    return DialogOutcome::Accepted;
}

DialogOutcome QtCommonDialog::showColour()
{
    QColorDialog dialog(Colour::toQColor(state().colour));
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    PassingDialog::mark(dialog);
    if (!state().title.isEmpty())
        dialog.setWindowTitle(state().title);
    if (dialog.exec() != QDialog::Accepted)
        return cancelled();

    m_state.colour = Colour::fromQColor(dialog.selectedColor());
    return DialogOutcome::Accepted;
}
