#include "SkinColours.h"

#include "core/Colour.h"
#include "core/ColourRole.h"
#include "core/Logging.h"
#include "core/SettingsKeys.h"
#include "platform/SettingsStore.h"

SkinColours SkinColours::read(const SettingsStore &settings)
{
    SkinColours colours;
    quint32 SkinColours::*const fields[ColourRole::Count]
        = {&SkinColours::gradientStart, &SkinColours::gradientEnd, &SkinColours::buttonText,
           &SkinColours::buttonLight,   &SkinColours::otherText,   &SkinColours::windowBack,
           &SkinColours::viewBack};
    for (int role = 0; role < ColourRole::Count; ++role) {
        const ColourRole::Entry &entry = ColourRole::Table[role];
        const QString text
            = settings.read(SettingsKeys::Application, SettingsKeys::ColourSection,
                            QString::fromUtf8(entry.key), QString::fromUtf8(entry.storedDefault));
        if (const auto value = Colour::parse(text))
            colours.*fields[role] = *value;
        else
            qCInfo(lcApp) << "colour" << entry.key << "unreadable:" << text;
    }
    return colours;
}
