// The main program: its constants, its module state, and its operations.
#pragma once
#include <cstdint>

#include "AblakokBio.h"
#include "Beallitasok.h"
#include "szoveg.h"

inline constexpr auto FEJLEC = " Vadonles "_cp;
inline constexpr auto TAJEKOZTATOFAJL = "vadonles.hlp"_cp;
inline constexpr int32_t IDODIAGVALT = 200;

extern int32_t T;
extern TDarab N, M, Ra0, Zs0, RaDb, ZsDb;
extern double RaSz, RaH, ZsSz, ZsH;
extern double RaAtl, ZsAtl;
extern TReater Reater;
extern TAblak TerAblak;
extern TKarAblak KarAblak;
extern THisztAblak Graf1, Graf2;
extern TXYAblak XYDiag;

// The whole run: help pages, initialisation, start screen, the main loop, closing and summary.
void Futtatas();
void Inicializalas();
void KezdoKepernyo();
void SzimulaciosLepes();
bool VegAllapot();
void EredmenyMegjelenites();
bool Vegee();
void Zaras();
void OsszefoglaloMegjelenites();

// Parts of the initialisation: the eight entries, and the walled territory with the starting animals.
void ParameterBekeres();
void ReaterFelallitas();
