#include "SkinColours.h"

#include "core/Colour.h"
#include "core/Logging.h"
#include "platform/SettingsStore.h"

SkinColours SkinColours::read(const SettingsStore &settings)
{
    SkinColours colours;
    const QString application = QStringLiteral("Kinovue ST");
    const QString section = QStringLiteral("Couleurs de l'interface");
    const struct
    {
        const char *key;
        const char *fallback;
        quint32 SkinColours::*value;
    } roles[] = {
        {"Début du dégradé", "&H808000", &SkinColours::gradientStart},
        {"Fin du dégradé", "&HE0E0E0", &SkinColours::gradientEnd},
        {"Texte des boutons", "&H808000", &SkinColours::buttonText},
        {"'Lumière' des boutons", "&HDEFF6C", &SkinColours::buttonLight},
        {"Autres textes", "&HFFFFFF", &SkinColours::otherText},
        {"Fond des fenêtres", "&H808000", &SkinColours::windowBack},
        {"Visualisation, dossiers, etc.", "&HD2D200", &SkinColours::viewBack},
    };
    for (const auto &role : roles) {
        const QString text = settings.read(application, section, QString::fromUtf8(role.key),
                                           QString::fromUtf8(role.fallback));
        if (const auto value = Colour::parse(text))
            colours.*role.value = *value;
        else
            qCInfo(lcApp) << "colour" << role.key << "unreadable:" << text;
    }
    return colours;
}
