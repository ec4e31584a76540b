#include "PreferenceCommands.h"

#include "app/AppContext.h"
#include "app/Preferences.h"
#include "core/Colour.h"
#include "core/SettingsKeys.h"

namespace {

const QString OnMark = QStringLiteral(" «");

} // namespace

PreferenceCommands::PreferenceCommands(AppContext &context)
    : m_context(context)
{}

QString PreferenceCommands::hintsCaption(bool on)
{
    return QStringLiteral("Affichage des info-bulles") + (on ? OnMark : QString());
}

QString PreferenceCommands::tipsCaption(const QString &value)
{
    return QStringLiteral("Conseils au démarrage")
           + (value == SettingsKeys::Yes ? OnMark : QString());
}

QString PreferenceCommands::toggleHints()
{
    General &g = m_context.general;
    g.InfoBulles = !g.InfoBulles;
    g.ValeurInfoBulles = g.InfoBulles ? SettingsKeys::Yes : SettingsKeys::No;
    Preferences(*m_context.platform.settings, g).writeHints();
    return hintsCaption(g.InfoBulles);
}

QString PreferenceCommands::toggleTipsAtStart()
{
    General &g = m_context.general;
    g.ConseilDemarrage
        = g.ConseilDemarrage == SettingsKeys::Yes ? SettingsKeys::No : SettingsKeys::Yes;
    Preferences(*m_context.platform.settings, g).writeTips();
    return tipsCaption(g.ConseilDemarrage);
}

void PreferenceCommands::resetColours()
{
    General &g = m_context.general;
    Preferences preferences(*m_context.platform.settings, g);
    for (int role = 0; role < General::RoleCount; ++role) {
        g.couleurs[role] = Colour::toText(General::defaultColour(General::Role(role)));
        preferences.writeColour(General::Role(role));
    }
}

bool PreferenceCommands::uninstall()
{
    MessageRequest request;
    request.icon = MessageIcon::Critical;
    request.buttons = MessageButtons::YesNo;
    request.defaultButton = 1;
    request.title = QStringLiteral("DÉSINSTALLATION");
    request.text = QStringLiteral(
        "Cette opération ne devrait être effectuée que si vous souhaitez désinstaller le "
        "programme.\nEtes-vous sûr(e) de vouloir supprimer la clé d'enregistrement des données "
        "d'initialisation dans la base du Registre ?");
    if (m_context.platform.messages->ask(request) != MessageAnswer::Yes)
        return false;
    Preferences(*m_context.platform.settings, m_context.general).removeAll();
    return true;
}
