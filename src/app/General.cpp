#include "General.h"

#include "core/Colour.h"

quint32 General::colour(Role role) const
{
    return Colour::parse(couleurs[role]).value_or(defaultColour(role));
}

quint32 General::defaultColour(Role role)
{
    return ColourRole::Table[role].value;
}
