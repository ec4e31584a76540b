#pragma once

#include "controls/Form.h"
#include "sounds/FenMCIState.h"
#include "sounds/FileManagerMode.h"

#include <memory>

struct AppContext;
class CommonDialog;
class FileBrowsing;
class FileCopy;
class FileDeletion;
class FilePreview;
class MediaWindow;

// The media file manager: browses the sounds (General::ChoixMultivues false) or the
// animations (true) of a folder, previews the clicked file, copies it or moves it to the
// trash. The caller reads the chosen file from General::FichierChoisi once it has closed.
class FenMCI : public Form
{
    Q_OBJECT

public:
    explicit FenMCI(AppContext &context, QWidget *parent = nullptr);
    ~FenMCI() override;

    // Opens the window in the mode the caller set in General::ChoixMultivues, modal, and
    // returns once it has been unloaded.
    static void openModal(AppContext &context);

    // The load step: colours, size, place beside the caller, lists in the mode, buttons.
    void load();

    const FileManagerMode &mode() const { return m_mode; }
    FenMCIState &state() { return m_state; }
    MediaWindow &mciWnd1() { return *m_preview; }
    CommonDialog &dialogue1() { return *m_dialogue1; }

protected:
    // A close from the window manager drops the choice, as Annuler does.
    void closeEvent(QCloseEvent *event) override;

private:
    void keepChoice();
    void dropChoice();
    void placeBesideCaller();

    AppContext &m_context;
    FileManagerMode m_mode;
    FenMCIState m_state;
    std::unique_ptr<CommonDialog> m_dialogue1;
    MediaWindow *m_preview = nullptr;
    FileBrowsing *m_browsing = nullptr;
    FilePreview *m_previewing = nullptr;
    FileCopy *m_copy = nullptr;
    FileDeletion *m_deletion = nullptr;
    bool m_unloading = false;
};
