// The population dynamics of vadonles: one random animal acts and moves per time unit, and the end-state test.
// The order and number of random draws below is what makes a run reproducible; keep them.
#include <utility>

#include "Vadonles.h"
#include "veletlen.h"

namespace {

constexpr int KERESESI_PROBAK = 18;

// The result of a neighbour search: whether a cell of the wanted state was found, and the last cell tried.
struct TVanHol {
    bool VanE;
    int16_t SI, SJ;
};

int16_t Szomszed(int16_t K) { return static_cast<int16_t>(K + Random(3) - 1); }

// Up to 18 tries at a random neighbour, row offset drawn first; the offset (0, 0) uses up a try.
TVanHol SzomszedKereses(TCella Keresett, int16_t I, int16_t J)
{
    TVanHol Eredmeny{false, I, J};
    for (int K = 1; K <= KERESESI_PROBAK && !Eredmeny.VanE; ++K) {
        Eredmeny.SI = Szomszed(I);
        Eredmeny.SJ = Szomszed(J);
        Eredmeny.VanE = !(Eredmeny.SI == I && Eredmeny.SJ == J) && Reater[Eredmeny.SI][Eredmeny.SJ] == Keresett;
    }
    return Eredmeny;
}

// Prey: may die; otherwise, with an empty neighbour found, may give birth into it.
void ZsakmanyLepes(int16_t I, int16_t J)
{
    if (Random() < ZsH) {
        Reater[I][J] = URES;
        --ZsDb;
        return;
    }
    const TVanHol Hely = SzomszedKereses(URES, I, J);
    if (Hely.VanE && Random() < ZsSz) {
        Reater[Hely.SI][Hely.SJ] = ZSAKMANY;
        ++ZsDb;
    }
}

// Predator: with prey found and survived, eats it and may turn its cell into a new predator; else dies.
void RagadozoLepes(int16_t I, int16_t J)
{
    const TVanHol Zsakmany = SzomszedKereses(ZSAKMANY, I, J);
    if (Zsakmany.VanE && !(Random() < RaH)) {
        if (Random() < RaSz) {
            Reater[Zsakmany.SI][Zsakmany.SJ] = RAGADOZO;
            ++RaDb;
        } else {
            Reater[Zsakmany.SI][Zsakmany.SJ] = URES;
        }
        --ZsDb;
        return;
    }
    Reater[I][J] = URES;
    --RaDb;
}

// The acting cell swaps its contents with a random non-wall neighbour, or with itself.
void Mozgas(int16_t I, int16_t J)
{
    int16_t R, C;
    do {
        R = Szomszed(I);
        C = Szomszed(J);
    } while (Reater[R][C] == FAL);
    std::swap(Reater[I][J], Reater[R][C]);
}

}  // namespace

void SzimulaciosLepes()
{
    int16_t I, J;
    do {
        I = static_cast<int16_t>(Random(N) + 1);
        J = static_cast<int16_t>(Random(M) + 1);
    } while (Reater[I][J] != RAGADOZO && Reater[I][J] != ZSAKMANY);
    if (Reater[I][J] == RAGADOZO)
        RagadozoLepes(I, J);
    else
        ZsakmanyLepes(I, J);
    Mozgas(I, J);
    ZsAtl += ZsDb;
    RaAtl += RaDb;
}

bool VegAllapot() { return ZsDb == 0 || RaDb == 0; }
