// Numbers as text: integers right-aligned, reals in fixed point, and the number reader of console lines.
#pragma once
#include <cstdint>
#include <string_view>

#include "szoveg.h"

// V in decimal, right-aligned in Szelesseg places with blanks; a longer number is never cut.
TSzoveg<255> EgeszStr(int64_t V, int Szelesseg = 0);
// V in fixed point with Tizedes decimals, right-aligned in Szelesseg places. Rounding is to the nearest,
// halves away from zero, on the value's first 15 significant digits, so 0.0625 gives 0.063 and 0.15 gives 0.2.
TSzoveg<255> ValosStr(double V, int Szelesseg, int Tizedes);

// The number at the start of a line (blanks before it allowed), followed by a blank or the line's end; the rest
// of the line is ignored. False when there is no such number. An integer too large for 64 bits saturates.
bool EgeszErtelmezes(std::string_view Sor, int64_t& V);
bool ValosErtelmezes(std::string_view Sor, double& V);
