// The main program: its constants, its module state, and its operations.
#pragma once
#include <cstdint>

#include "AblakokBio.h"
#include "Beallitasok.h"
#include "fajl.h"
#include "szoveg.h"

inline constexpr auto FEJLEC = " Vadonles "_cp;
inline constexpr auto TAJEKOZTATOFAJL = "vadonles.hlp"_cp;
inline constexpr auto KONKLUZIOFAJL = "vadonles.sum"_cp;
inline constexpr int32_t IDODIAGVALT = 200;
inline constexpr auto FAJLNEV = "Ragadozas"_cp;

extern int32_t T;
extern TDarab N, M, Ra0, Zs0, RaDb, ZsDb;
extern double RaSz, RaH, ZsSz, ZsH;
extern double RaAtl, ZsAtl;
extern TReater Reater;
extern TAblak TerAblak;
extern TKarAblak KarAblak;
extern THisztAblak Graf1, Graf2;
extern TXYAblak XYDiag;
extern TSzovegFajl F;
extern TSzoveg<255> FN;

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

// Parts of the initialisation: the eight entries, the five windows of the main screen (the surface open),
// and the walled territory with the starting animals.
void ParameterBekeres();
void AblakokLetrehozasa();
void ReaterFelallitas();

// The run log: created with its header; a period line with the averages; the closing lines.
void NaploKeszites();
void NaploIdoszakSor(double RaAtlag, double ZsAtlag);
void NaploZaroSorok();
// Seconds from the start time to the end time, both times of day; a run that passes midnight gets a day added.
double FutasiIdo(uint16_t Ora0, uint16_t Perc0, uint16_t MPerc0, uint16_t MPerc1000, uint16_t Ora1, uint16_t Perc1,
                 uint16_t MPerc1, uint16_t MPerc1001);
