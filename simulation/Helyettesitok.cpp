// Placeholders: the least of the display cycle and the closing that keeps the program running until they are built.
#include "Vadonles.h"
#include "grafika.h"
#include "konzol.h"

void EredmenyMegjelenites() {}

bool Vegee()
{
    const char C = ReadKey();
    return C == 'V' || C == 'v' || VegAllapot();
}

void Zaras() {}

void OsszefoglaloMegjelenites()
{
    KepMod = SZOVEGES;
    CloseGraph();
}
