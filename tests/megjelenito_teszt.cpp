// The presenter of the tests: no window, only a count of the times one would have been shown.
#include "megjelenito.h"

int MegjelenitesekSzama = 0;

void MegjelenitoMegnyit(const uint8_t*, int, int) {}
void MegjelenitoMutat() { ++MegjelenitesekSzama; }
void MegjelenitoBezar() {}
void MegjelenitoLeallit() {}
bool AblakBezarasKerve() { return false; }
