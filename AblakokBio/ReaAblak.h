// The territory window: the grid, wall ring included, one pixel per cell, centred in a framed window.
#pragma once
#include <cstdint>
#include <string_view>

#include "Alap.h"

struct TAblak {
    uint16_t BFX, BFY, JAX, JAY;
    TCim Cim;
    uint8_t Szin;
};

// The title given is not kept: the territory window is always called "Reakciótér".
void ReaAblakLetrehozas(TAblak& TerAblak, uint16_t BX, uint16_t BY, uint16_t JX, uint16_t JY, std::string_view C, uint8_t Sz);
void ReaterAblakRajzolas(TAblak& TerAblak);
void ReaIdoKiiras(TAblak& TerAblak, int32_t T);
// One cell (nothing in quiet mode). A grid whose cell viewport the surface refuses is not drawn.
void ReszecskeRajzolas(TAblak& TerAblak, int16_t N, int16_t M, int16_t I, int16_t J, TCella C);
// The time and every cell of rows 0..N+1 and columns 0..M+1, in every run mode.
void ReaterUjraRajzol(TAblak& TerAblak, const TReater& Reater, int16_t N, int16_t M, int32_t T);
