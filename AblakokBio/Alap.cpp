// The toolkit's module state and its start-up.
#include "Alap.h"

#include "ora.h"

TKepModok KepMod;
TUzemmodok UzemMod;
uint16_t Ora, Perc, MPerc, MPerc100;

void AblakokBioInicializalas()
{
    KepMod = SZOVEGES;
    UzemMod = LEPESENKENTI;
    GetTime(Ora, Perc, MPerc, MPerc100);
}
