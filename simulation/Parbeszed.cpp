// The parameter dialog: eight entries, each asked again, silently, until it is acceptable.
#include <limits>

#include "Tartomany.h"
#include "Vadonles.h"
#include "kilepes.h"
#include "konzol.h"

namespace {

// A whole number in 1..Felso that the variable can hold; the bound stands after the prompt.
template <typename TValtozo>
void EgeszBekeres(TValtozo& Valtozo, std::string_view Kerdes, int32_t Felso)
{
    for (;;) {
        Write(Kerdes);
        Write(int64_t{Felso}, 3);
        Write("]");
        int64_t Ertek = 0;
        ReadLn(Ertek);
        if (IOResult() == 0 && Ertek >= 1 && Ertek <= Felso && Ertek <= std::numeric_limits<TValtozo>::max()) {
            Valtozo = Szukit<TValtozo>(Ertek);
            return;
        }
    }
}

// A probability, 0 and 1 included.
void ValoszinusegBekeres(double& Valtozo, std::string_view Kerdes)
{
    for (;;) {
        Write(Kerdes);
        double Ertek = 0;
        ReadLn(Ertek);
        if (IOResult() == 0 && Ertek >= 0 && Ertek <= 1) {
            Valtozo = Ertek;
            return;
        }
    }
}

}  // namespace

void ParameterBekeres()
{
    for (;;) {
        EgeszBekeres(N, "A territórium függôleges mérete? [1-"_cp, MAXN);
        EgeszBekeres(M, "A territórium vizszintes mérete? [1-"_cp, MAXM);
        const int32_t Terulet = int32_t{N} * M;
        EgeszBekeres(Ra0, "A ragadozók száma? [1-"_cp, Terulet);
        if (Terulet - Ra0 >= 1) break;
        // No room is left for a single prey animal: no entry could be accepted, so start again.
        WriteLn("A ragadozók kitöltik a territóriumot, nem marad hely zsákmánynak. Kezdjük újra!"_cp);
    }
    EgeszBekeres(Zs0, "A zsákányok száma? [1-"_cp, int32_t{N} * M - Ra0);
    ValoszinusegBekeres(RaSz, "Ragadozó szülési valószínűsége? [0..1]"_cp);
    ValoszinusegBekeres(RaH, "Ragadozó halálozási valószínűsége? [0..1]"_cp);
    ValoszinusegBekeres(ZsSz, "Zsákmány szülési valószínűsége? [0..1]"_cp);
    ValoszinusegBekeres(ZsH, "Zsákmány halálozási valószínűsége? [0..1]"_cp);
}
