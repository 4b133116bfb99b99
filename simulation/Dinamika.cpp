// Placeholder for the population dynamics of vadonles: the step only adds the counts to the running sums.
#include "Vadonles.h"

void SzimulaciosLepes()
{
    ZsAtl += ZsDb;
    RaAtl += RaDb;
}

bool VegAllapot() { return ZsDb == 0 || RaDb == 0; }
