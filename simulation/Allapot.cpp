// The main program's module state: zero at start, alive for the whole run.
#include "Vadonles.h"

int32_t T;
TDarab N, M, Ra0, Zs0, RaDb, ZsDb;
double RaSz, RaH, ZsSz, ZsH;
double RaAtl, ZsAtl;
TReater Reater;
TAblak TerAblak;
TKarAblak KarAblak;
THisztAblak Graf1, Graf2;
TXYAblak XYDiag;
TSzovegFajl F;
TSzoveg<255> FN;
