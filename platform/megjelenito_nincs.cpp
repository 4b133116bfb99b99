// The presenter that shows nothing, for tests and benchmarks: it only counts the times a window would have appeared.
#include "megjelenito.h"

int MegjelenitesekSzama = 0;

void MegjelenitoMegnyit(const uint8_t*, int, int) {}
void MegjelenitoMutat() { ++MegjelenitesekSzama; }
void MegjelenitoBezar() {}
void MegjelenitoLeallit() {}
bool AblakBezarasKerve() { return false; }
