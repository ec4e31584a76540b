#include "ConfigurationMenu.h"

#include "app/AppContext.h"
#include "app/PreferenceCommands.h"
#include "colours/ColourEditor.h"
#include "controls/Form.h"
#include "controls/ZarnBttn.h"
#include "controls/ZarnPanel.h"
#include "core/Twips.h"

ConfigurationMenu::ConfigurationMenu(Form &window, AppContext &context, ColourEditor &editor)
    : QObject(&window)
    , m_window(window)
    , m_context(context)
    , m_editor(editor)
    , m_menu(window.require<ZarnPanel>(QStringLiteral("PopUpInfos")))
{
    connect(window.require<ZarnBttn>(QStringLiteral("CmdApropos")), &ZarnBttn::clicked, this,
            &ConfigurationMenu::toggle);

    const std::pair<const char *, General::Role> colourItems[] = {
        {"CmdCoulDeb", General::DebDegrade},   {"CmdCoulFin", General::FinDegrade},
        {"CmdCoulTxt", General::TexteBoutons}, {"CmdLumiere", General::Lumiere},
        {"CmdAutrTxt", General::AutresTextes}, {"CmdCoulFondFen", General::FondFenetres},
        {"CmdCoulVisu", General::Visu},
    };
    for (const auto &[name, role] : colourItems) {
        onItem(name, [this, role = role] {
            m_editor.edit(role);
            emit coloursChanged();
        });
    }
    onItem("CmdReset", [this] {
        PreferenceCommands(m_context).resetColours();
        emit coloursChanged();
    });
    m_hints = onItem("CmdBulAide",
                     [this] { m_hints->setCaption(PreferenceCommands(m_context).toggleHints()); });
    m_tipsAtStart = onItem("CmdConseilDem", [this] {
        m_tipsAtStart->setCaption(PreferenceCommands(m_context).toggleTipsAtStart());
    });
    onItem("CmdSupprCle", [this] { PreferenceCommands(m_context).uninstall(); });
    onItem("CmdApropos2", [this] { emit aboutRequested(); });
    onItem("CmdImages", [this] { emit imagesRequested(); });
    onItem("CmdFerMnu", [] {});
}

void ConfigurationMenu::toggle()
{
    if (!m_menu->isHidden()) {
        hide();
        return;
    }
    Twips::move(m_menu, 1800, 660);
    m_menu->show();
    m_menu->raise();
}

void ConfigurationMenu::hide()
{
    m_menu->hide();
}

ZarnBttn *ConfigurationMenu::onItem(const char *name, std::function<void()> action)
{
    ZarnBttn *item = m_window.require<ZarnBttn>(QString::fromUtf8(name));
    connect(item, &ZarnBttn::clicked, this, [this, action = std::move(action)] {
        hide();
        action();
    });
    return item;
}
