// Placeholders: the least of each toolkit operation that keeps the program running until the toolkit is built.
#include "Ablakok.h"
#include "grafika.h"
#include "konzol.h"

void SzovegesLap(std::string_view)
{
    KepMod = SZOVEGES;
    Window(1, 1, 80, 25);
    ClrScr();
}

void Tajekoztato(std::string_view, std::string_view) {}
void GrafikusKepernyoAllandoReszei(std::string_view) {}
void KarAblakRajzolas(TKarAblak&) {}
void ReaterAblakRajzolas(TAblak&) {}
void AblakRajzolas(THisztAblak&) {}
void XYAblakRajzolas(TXYAblak&) {}

// Placeholder: the cells at the surface's top left corner, one pixel each.
void ReaterUjraRajzol(TAblak&, const TReater& Reater, int16_t N, int16_t M, int32_t)
{
    constexpr int SZINEK[4] = {1, 4, 14, 0};
    for (int I = 0; I <= N + 1; ++I)
        for (int J = 0; J <= M + 1; ++J) PutPixel(J + 10, I + 10, SZINEK[Reater[I][J]]);
}
