#pragma once

#include "platform/CommonDialog.h"

// Open and save dialogs (Qt's own, not the desktop's, so they behave the same everywhere and
// tests can drive them) and the colour dialog, with the Windows dialog's persistent values.
class QtCommonDialog : public CommonDialog
{
public:
    // Windows flag values the dialogs honour.
    static constexpr int OverwritePrompt = 0x2;
    static constexpr int FileMustExist = 0x1000;

    DialogOutcome showOpen() override;
    DialogOutcome showSave() override;
    DialogOutcome showColour() override;

private:
    DialogOutcome showFile(bool save);
};

class QtCommonDialogFactory : public CommonDialogFactory
{
public:
    CommonDialog *create() override { return new QtCommonDialog; }
};
