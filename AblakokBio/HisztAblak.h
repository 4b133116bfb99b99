// The histogram window: the last 301 values as adjacent bars, scaled to the largest, moving left once full.
#pragma once
#include <cstdint>
#include <string_view>

#include "Alap.h"

struct THisztAblak {
    uint16_t BFX, BFY, JAX, JAY;
    TCim Cim;
    uint16_t AdatDb;  // values stored, and the next free slot
    double Leptek;    // pixels for a value of 1
    int32_t Adatok[MAXDB + 1];
    uint8_t Szin;
};

// Needs the surface open. A window whose moving area needs more than PUFMERET bytes stops the program
// with an error page and exit code 1.
void AblakLetrehozas(THisztAblak& Graf, uint16_t BX, uint16_t BY, uint16_t JX, uint16_t JY, std::string_view C, uint16_t Adb,
                     double L, uint8_t Sz);
int32_t HisztogramMozgatoPufferMerete(const THisztAblak& Graf);
void AblakRajzolas(THisztAblak& Graf);
void IdoKiiras(THisztAblak& Graf, int32_t T);
// Stores the value; outside quiet mode also writes the time and redraws the graph.
void IdoDiagram(uint16_t Szam, THisztAblak& Graf, int32_t T);
// A window too narrow for one pixel a bar shows no bars.
void TeljesGrafikon(THisztAblak& Graf);
