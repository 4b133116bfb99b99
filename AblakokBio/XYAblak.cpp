// The XY diagram window: the scale fixed at creation, the last 301 points, and one pixel per new point.
#include "XYAblak.h"

#include <cmath>

#include "Kepernyo.h"
#include "Rajz.h"

void XYAblakLetrehozas(TXYAblak& Graf, uint16_t BX, uint16_t BY, uint16_t JX, uint16_t JY, std::string_view C, uint16_t Adb,
                       uint16_t SzV, uint8_t Sz, uint8_t Sz1, uint8_t Sz2)
{
    Ertekadas(Graf.Cim, C);
    Graf.BFX = BX, Graf.BFY = BY, Graf.JAX = JX, Graf.JAY = JY;
    Graf.AdatDb = Adb;
    const int32_t A = Graf.JAX - Graf.BFX - 10, B = Graf.JAY - Graf.BFY - BetuMag() - 20;
    Graf.Leptek = A > B ? B : A;
    for (TXYPont& P : Graf.Adatok) P = {0, 0};
    Graf.SzinValt = SzV;
    Graf.Szin = Sz, Graf.Szin1 = Sz1, Graf.Szin2 = Sz2;
    Graf.KP = 0;
}

void XYAblakRajzolas(TXYAblak& Graf) { AblakKeretRajzolas(Graf.BFX, Graf.BFY, Graf.JAX, Graf.JAY, Graf.Cim); }

void XYIdoKiiras(TXYAblak& Graf, int32_t T) { AblakIdoKiiras(Graf.BFX, Graf.BFY, T); }

void XYRajzol(double X, double Y, TXYAblak& XYGraf, int32_t T)
{
    TXYAblak& G = XYGraf;
    XYIdoKiiras(G, T);
    if (G.AdatDb <= MAXDB) {
        Elem(G.Adatok, G.AdatDb) = {X, Y};
        ++G.AdatDb;
    } else {
        for (int I = 1; I <= MAXDB; ++I) Elem(G.Adatok, I - 1) = Elem(G.Adatok, I);
        Elem(G.Adatok, MAXDB) = {X, Y};
    }
    ++G.KP;
    // Halves go to the even neighbour: the rounding mode in force is to the nearest.
    const auto RX = Szukit<uint16_t>(std::lrint(X * G.Leptek)), RY = Szukit<uint16_t>(std::lrint(Y * G.Leptek));
    const uint8_t Szin = (G.KP / G.SzinValt) % 2 == 0 ? G.Szin1 : G.Szin2;
    Pont(G.BFX + 5 + RX, G.JAY - 3 - RY, Szin);
}
