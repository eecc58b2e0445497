#pragma once
// The colours a colour setting is chosen from, by name: the sixteen standard
// colours, four extended ones and the system colours ($FF0000nn, drawn with
// the platform's palette). Any other 32-bit value is a custom colour; it has
// no name of its own and is shown by its hex value.

#include "Colour.h"

#include <span>
#include <string>

struct TNamedColour {
    TColor Value;
    const char* Name;
};

// Standard, then extended, then system colours, in the order they are listed.
std::span<const TNamedColour> NamedColours();

// The name of a listed colour; nullptr for a custom one.
const char* NameOfColour(TColor Colour);

// The name a custom colour is shown by: "$" and the eight hex digits of the
// whole value ("$00C3B2A1"), so that no part of it is hidden from the player.
std::string CustomColourName(TColor Colour);
