// The four kinds of window records, and the drawing the main program asks of the toolkit.
#pragma once
#include <cstdint>
#include <string_view>

#include "Alap.h"

struct TMezo {
    TSzoveg<255> Nev, Ert;
};

// A character window: named text fields, one per line.
struct TKarAblak {
    uint16_t BFX, BFY, JAX, JAY;
    TCim Cim;
    uint16_t AdatDb;
    TMezo Adatok[MAXMDB + 1];  // entries 1..AdatDb; entry 0 unused
    uint8_t Szin;
};

// The territory window: one pixel per cell.
struct TAblak {
    uint16_t BFX, BFY, JAX, JAY;
    TCim Cim;
    uint8_t Szin;
};

// A histogram window: the last 301 values as bars.
struct THisztAblak {
    uint16_t BFX, BFY, JAX, JAY;
    TCim Cim;
    uint16_t AdatDb;
    double Leptek;
    int32_t Adatok[MAXDB + 1];
    uint8_t Szin;
};

struct TXYPont {
    double X, Y;
};

// An XY diagram window: the last 301 points in a square plotting area.
struct TXYAblak {
    uint16_t BFX, BFY, JAX, JAY;
    TCim Cim;
    uint16_t AdatDb;
    uint16_t SzinValt;
    double Leptek;
    TXYPont Adatok[MAXDB + 1];
    uint8_t Szin, Szin1, Szin2;
    int32_t KP;
};

void SzovegesLap(std::string_view Fejlec);
void Tajekoztato(std::string_view Fejlec, std::string_view TajekoztatoFile);
void GrafikusKepernyoAllandoReszei(std::string_view Fejlec);
void KarAblakRajzolas(TKarAblak& KarAblak);
void ReaterAblakRajzolas(TAblak& TerAblak);
void ReaterUjraRajzol(TAblak& TerAblak, const TReater& Reater, int16_t N, int16_t M, int32_t T);
void AblakRajzolas(THisztAblak& Graf);
void XYAblakRajzolas(TXYAblak& Graf);
