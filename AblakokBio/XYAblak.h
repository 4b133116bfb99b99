// The XY diagram window: points (X, Y) between 0 and 1 plotted one pixel each in a square, colours alternating.
#pragma once
#include <cstdint>
#include <string_view>

#include "Alap.h"

struct TXYPont {
    double X, Y;
};

struct TXYAblak {
    uint16_t BFX, BFY, JAX, JAY;
    TCim Cim;
    uint16_t AdatDb;    // the next free slot
    uint16_t SzinValt;  // points per colour period
    double Leptek;      // the side of the plotting square
    TXYPont Adatok[MAXDB + 1];
    uint8_t Szin, Szin1, Szin2;
    int32_t KP;  // points plotted since creation
};

void XYAblakLetrehozas(TXYAblak& Graf, uint16_t BX, uint16_t BY, uint16_t JX, uint16_t JY, std::string_view C, uint16_t Adb,
                       uint16_t SzV, uint8_t Sz, uint8_t Sz1, uint8_t Sz2);
void XYAblakRajzolas(TXYAblak& Graf);
void XYIdoKiiras(TXYAblak& Graf, int32_t T);
// Writes the time, stores the point and plots it, in every run mode.
void XYRajzol(double X, double Y, TXYAblak& XYGraf, int32_t T);
