// The display cycle: each step shown as the run mode allows, the period end every 200 steps, and the key handling
// between two steps.
#include <cmath>

#include "Tartomany.h"
#include "Vadonles.h"
#include "konzol.h"
#include "szamiras.h"

namespace {

// Halves go to the even neighbour: the rounding mode in force is to the nearest.
uint16_t Kerekites(double Atlag) { return Szukit<uint16_t>(std::lrint(Atlag)); }

void TerAblakFrissites() { ReaterUjraRajzol(TerAblak, Reater, Szukit<int16_t>(N), Szukit<int16_t>(M), T); }

void UzemmodKiirasa()
{
    KarAblakUjErtek(KarAblak, "Üzemmód"_cp, SUzemmodok[UzemMod]);
    KarAblakRajzolas(KarAblak);
    KarIdoKiiras(KarAblak, T);
}

}  // namespace

void EredmenyMegjelenites()
{
    FoIdoKiiras(T);
    if (UzemMod != CSENDES || T % CSENDESBEN == 0) {
        TerAblakFrissites();
        KarAblakUjErtek(KarAblak, "Üzemmód"_cp, SUzemmodok[UzemMod]);
        KarAblakUjErtek(KarAblak, "RaDb", EgeszStr(RaDb));
        KarAblakUjErtek(KarAblak, "ZsDb", EgeszStr(ZsDb));
        KarAblakRajzolas(KarAblak);
        KarIdoKiiras(KarAblak, T);
    }
    if (T % IDODIAGVALT == 0) {
        const TUzemmodok RegiUzemmod = UzemMod;
        if (T % CSENDESBEN == 0) UzemMod = NORMAL;  // so that the histograms are drawn in full
        RaAtl = RaAtl / IDODIAGVALT;
        IdoDiagram(Kerekites(RaAtl), Graf1, T);
        ZsAtl = ZsAtl / IDODIAGVALT;
        IdoDiagram(Kerekites(ZsAtl), Graf2, T);
        XYRajzol(RaAtl / N / M, ZsAtl / N / M, XYDiag, T);
        UzemMod = RegiUzemmod;
        NaploIdoszakSor(RaAtl, ZsAtl);
        RaAtl = 0;
        ZsAtl = 0;
    }
}

bool Vegee()
{
    const TUzemmodok RegiUzemmod = UzemMod;
    char C;
    BillentyureVar(C);
    if (UzemMod != RegiUzemmod) {
        UzemmodKiirasa();
        TerAblakFrissites();
        ReaIdoKiiras(TerAblak, T);
        Write("Üzemmódváltás: "_cp);
        Write(SUzemmodok[UzemMod]);
        Write(" (");
        Write(int64_t{T}, 0);
        Write(",");
        Write(C);
        WriteLn(")");
    }
    return UzemMod == VEGE || VegAllapot();
}
