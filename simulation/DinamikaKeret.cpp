// The step of vadonles_frame: no dynamics; only the running sums grow, and the end state never comes.
#include "Vadonles.h"

void SzimulaciosLepes()
{
    ZsAtl += ZsDb;
    RaAtl += RaDb;
}

bool VegAllapot() { return false; }
