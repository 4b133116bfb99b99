// The toolkit's shared ground: constants, cell and mode types, and the module state of screen, run mode and start time.
#pragma once
#include <cstdint>
#include <string_view>

#include "szoveg.h"

inline constexpr int MAXN = 250;
inline constexpr int MAXM = 250;
inline constexpr int MAXDB = 300;
inline constexpr int MAXMDB = 15;
inline constexpr int MAXCIMHOSSZ = 64;
inline constexpr auto HELPSOR = " V/v: vége , L/l: lépésenként , N/n: normál , C/c: csendes "_cp;
inline constexpr auto PATH = "c:\\langs\\tp\\bgi\\"_cp;
inline constexpr uint8_t RASZIN = 4;   // predator: red
inline constexpr uint8_t ZSSZIN = 14;  // prey: yellow
inline constexpr uint8_t USZIN = 0;    // empty: black
inline constexpr uint8_t FSZIN = 1;    // wall: blue
inline constexpr int32_t PUFMERET = 550000;

enum TCella : uint8_t { FAL = 0, RAGADOZO = 1, ZSAKMANY = 2, URES = 3 };
// Rows 0..MAXN+1 down, columns 0..MAXM+1 across, row after row.
using TReater = TCella[MAXN + 2][MAXM + 2];

enum TKepModok : uint8_t { GRAFIKUS = 0, SZOVEGES = 1 };
enum TUzemmodok : uint8_t { NORMAL = 0, LEPESENKENTI = 1, CSENDES = 2, VEGE = 3 };
inline constexpr std::string_view SUzemmodok[4] = {"Normal", "Lepesenkenti", "Csendes", "Vege"};

using TCim = TSzoveg<MAXCIMHOSSZ>;

extern TKepModok KepMod;
extern TUzemmodok UzemMod;
extern uint16_t Ora, Perc, MPerc, MPerc100;  // when the program started

// Runs once, before the main program: text screen, step-by-step mode, the start time.
void AblakokBioInicializalas();
