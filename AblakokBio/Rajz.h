// The surface calls of the toolkit: every coordinate passes through the 16-bit range check of vadonles_frame.
#pragma once
#include <cstdint>
#include <source_location>
#include <string_view>

#include "Tartomany.h"
#include "grafika.h"

using THely = std::source_location;

inline int16_t K16(int32_t V, const THely Hol = THely::current()) { return Szukit<int16_t>(V, Hol); }

inline bool Nezet(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2, const THely Hol = THely::current())
{
    return SetViewPort(K16(X1, Hol), K16(Y1, Hol), K16(X2, Hol), K16(Y2, Hol), true);
}

inline void TeljesNezet() { SetViewPort(0, 0, GetMaxX(), GetMaxY(), true); }

inline void Teglalap(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2, const THely Hol = THely::current())
{
    Rectangle(K16(X1, Hol), K16(Y1, Hol), K16(X2, Hol), K16(Y2, Hol));
}

inline void Sav(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2, const THely Hol = THely::current())
{
    Bar(K16(X1, Hol), K16(Y1, Hol), K16(X2, Hol), K16(Y2, Hol));
}

inline void Kiiras(int32_t X, int32_t Y, std::string_view Szoveg, const THely Hol = THely::current())
{
    OutTextXY(K16(X, Hol), K16(Y, Hol), Szoveg);
}

inline void Pont(int32_t X, int32_t Y, int Szin, const THely Hol = THely::current()) { PutPixel(K16(X, Hol), K16(Y, Hol), Szin); }

// W and H: the width and height of one character cell, measured on a single blank.
inline int32_t BetuSzel() { return TextWidth(" "); }
inline int32_t BetuMag() { return TextHeight(" "); }
