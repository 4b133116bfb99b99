// The character window: a framed list of named text fields, one per line, with a time display in its title row.
#pragma once
#include <cstdint>
#include <string_view>

#include "Alap.h"

struct TMezo {
    TSzoveg<255> Nev, Ert;
};

struct TKarAblak {
    uint16_t BFX, BFY, JAX, JAY;
    TCim Cim;
    uint16_t AdatDb;
    TMezo Adatok[MAXMDB + 1];  // entries 1..AdatDb; entry 0 unused
    uint8_t Szin;
};

void KarAblakLetrehozas(TKarAblak& KarAblak, uint16_t BX, uint16_t BY, uint16_t JX, uint16_t JY, std::string_view C, uint8_t SZ);
// A 16th field ends the program with exit code 1.
void KarAblakUjMezo(TKarAblak& KarAblak, std::string_view Nev, std::string_view Ert);
// The first field of that name gets the value; a name no field has ends the program with exit code 2.
void KarAblakUjErtek(TKarAblak& KarAblak, std::string_view Nev, std::string_view Ert);
void KarAblakRajzolas(TKarAblak& KarAblak);
void KarIdoKiiras(TKarAblak& KarAblak, int32_t T);
