#include "ColourEditor.h"

#include "app/AppContext.h"
#include "app/Preferences.h"
#include "core/Colour.h"
#include "platform/CommonDialog.h"

namespace {

// The role being edited is found by testing the flags in this order; none set means the
// last role.
General::Role flaggedRole(const General &g)
{
    for (int role = 0; role < General::Visu; ++role) {
        if (g.ModifCoul[role])
            return General::Role(role);
    }
    return General::Visu;
}

} // namespace

ColourEditor::ColourEditor(AppContext &context, CommonDialog &dialog)
    : m_context(context)
    , m_dialog(dialog)
{}

void ColourEditor::edit(General::Role role)
{
    General &g = m_context.general;
    g.ModifCoul[role] = true;
    g.AncCoul[role] = g.couleurs[role];
    ProcChangeCoul();
    Preferences(*m_context.platform.settings, g).writeColour(role);
}

void ColourEditor::ProcChangeCoul()
{
    General &g = m_context.general;
    m_dialog.state().cancelError = true;
    m_dialog.state().flags = 1;
    const General::Role role = flaggedRole(g);
    if (m_dialog.showColour() == DialogOutcome::Accepted)
        g.couleurs[role] = Colour::toText(m_dialog.state().colour);
    else
        g.couleurs[role] = g.AncCoul[role];
    g.ModifCoul.fill(false);
}
