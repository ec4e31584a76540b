#pragma once

#include "app/General.h"

struct AppContext;
class CommonDialog;

// Lets the user pick a new colour for one role through the colour dialog; a cancel keeps
// the role's value exactly as it was, text form included. The role's key is written either way.
class ColourEditor
{
public:
    ColourEditor(AppContext &context, CommonDialog &dialog);
    void edit(General::Role role);

private:
    void ProcChangeCoul();

    AppContext &m_context;
    CommonDialog &m_dialog;
};
