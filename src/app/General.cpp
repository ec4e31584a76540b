#include "General.h"

#include "core/Colour.h"

namespace {

constexpr std::array<quint32, General::RoleCount> RoleDefaults
    = {0x808000, 0xE0E0E0, 0x808000, 0xDEFF6C, 0xFFFFFF, 0x808000, 0xD2D200};

} // namespace

quint32 General::colour(Role role) const
{
    return Colour::parse(couleurs[role]).value_or(RoleDefaults[role]);
}

quint32 General::defaultColour(Role role)
{
    return RoleDefaults[role];
}
