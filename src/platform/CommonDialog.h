#pragma once

#include <QString>

// The shared open, save, colour and help dialog. Its values stay between uses, as one
// control kept by a window: the file name survives, and a cancel leaves it unchanged.
struct CommonDialogState
{
    int flags = 0;
    QString title;
    QString filter;      // "Description|*.avi;*.mpg|Other|*.*"
    int filterIndex = 1; // 1-based
    QString fileName;
    QString initialDirectory;
    bool cancelError = false;
    quint32 colour = 0; // 0x00BBGGRR, read back after the colour dialog
    QString helpFile;
};

enum class DialogOutcome {
    Accepted,
    Cancelled,  // cancelError false: returns quietly
    CancelError // cancelError true: the caller treats it as an error
};

class CommonDialog
{
public:
    virtual ~CommonDialog() = default;
    CommonDialogState &state() { return m_state; }
    const CommonDialogState &state() const { return m_state; }

    virtual DialogOutcome showOpen() = 0;
    virtual DialogOutcome showSave() = 0;
    virtual DialogOutcome showColour() = 0;

protected:
    DialogOutcome cancelled() const
    {
        return m_state.cancelError ? DialogOutcome::CancelError : DialogOutcome::Cancelled;
    }

    CommonDialogState m_state;
};

// Windows hold their own dialogs; this makes them.
class CommonDialogFactory
{
public:
    virtual ~CommonDialogFactory() = default;
    virtual CommonDialog *create() = 0; // owned by the caller
};
