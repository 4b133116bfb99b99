// Initialisation: the dialog, the window geometry on a surface opened only to measure, the territory, the counters.
#include "Tartomany.h"
#include "Vadonles.h"
#include "grafika.h"
#include "kilepes.h"
#include "veletlen.h"

namespace {

// Puts Db animals on empty cells drawn at random, column first.
void Elhelyezes(TDarab Db, TCella Allat)
{
    for (int K = 0; K < Db; ++K) {
        int32_t HolX, HolY;
        do {
            HolX = Random(M) + 1;
            HolY = Random(N) + 1;
        } while (Elem(Elem(Reater, HolY), HolX) != URES);
        Elem(Elem(Reater, HolY), HolX) = Allat;
    }
}

}  // namespace

void ReaterFelallitas()
{
    for (auto& Sor : Reater)
        for (TCella& Cella : Sor) Cella = URES;
    for (int J = 0; J <= M + 1; ++J) Elem(Reater[0], J) = Elem(Elem(Reater, N + 1), J) = FAL;
    for (int I = 1; I <= N; ++I) Elem(Reater, I)[0] = Elem(Elem(Reater, I), M + 1) = FAL;
    Elhelyezes(Ra0, RAGADOZO);
    RaDb = Ra0;
    RaAtl = RaDb * IDODIAGVALT;
    Elhelyezes(Zs0, ZSAKMANY);
    ZsDb = Zs0;
    ZsAtl = ZsDb * IDODIAGVALT;
}

void Inicializalas()
{
    SzovegesLap(FEJLEC);
    ParameterBekeres();
    int GD = AUTOMATIKUS_FELISMERES, GM = 0;
    InitGraph(GD, GM, PATH);
    ClearViewPort();
    AblakokLetrehozasa();
    CloseGraph();
    ReaterFelallitas();
    NaploKeszites();
    JelzeskorTeendo(NaploZaroSorok);  // Ctrl+C or SIGTERM still closes the log off
}
