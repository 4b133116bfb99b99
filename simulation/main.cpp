// The program's entry: console and toolkit start-up, the run, and the normal end.
#include "Alap.h"
#include "Vadonles.h"
#include "kilepes.h"
#include "konzol.h"

int main()
{
    KonzolInditas();
    AblakokBioInicializalas();
    Futtatas();
    Halt(0);
}
