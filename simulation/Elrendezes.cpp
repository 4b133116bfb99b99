// The main screen's layout: five windows placed in design coordinates, their titles and settings, the information fields.
#include "Tartomany.h"
#include "Vadonles.h"
#include "szamiras.h"

namespace {

uint16_t X(int16_t Tervezett) { return Szukit<uint16_t>(TP2FP_X(Tervezett)); }
uint16_t Y(int16_t Tervezett) { return Szukit<uint16_t>(TP2FP_Y(Tervezett)); }

TSzoveg<255> Valoszinuseg(double P) { return ValosStr(P, VALOSZINUSEG_SZELESSEG, VALOSZINUSEG_TIZEDES); }

TCim Cim(std::string_view Eleje, std::string_view Vege)
{
    TCim C = Szoveg<MAXCIMHOSSZ>(Eleje);
    Hozzafuz(C, EgeszStr(IDODIAGVALT));
    Hozzafuz(C, Vege);
    return C;
}

}  // namespace

void AblakokLetrehozasa()
{
    ReaAblakLetrehozas(TerAblak, X(10), Y(20), X(210), Y(240), "Territórium"_cp, 15);
    KarAblakLetrehozas(KarAblak, X(430), Y(20), X(630), Y(240), "Információk"_cp, 15);
    KarAblakUjMezo(KarAblak, "Üzemmód"_cp, SUzemmodok[UzemMod]);
    KarAblakUjMezo(KarAblak, "N", EgeszStr(N));
    KarAblakUjMezo(KarAblak, "M", EgeszStr(M));
    KarAblakUjMezo(KarAblak, "Ra0", EgeszStr(Ra0));
    KarAblakUjMezo(KarAblak, "Zs0", EgeszStr(Zs0));
    KarAblakUjMezo(KarAblak, "RaSz", Valoszinuseg(RaSz));
    KarAblakUjMezo(KarAblak, "RaH", Valoszinuseg(RaH));
    KarAblakUjMezo(KarAblak, "ZsSz", Valoszinuseg(ZsSz));
    KarAblakUjMezo(KarAblak, "ZsH", Valoszinuseg(ZsH));
    KarAblakUjMezo(KarAblak, "RaDb", EgeszStr(RaDb));
    KarAblakUjMezo(KarAblak, "ZsDb", EgeszStr(ZsDb));
    XYAblakLetrehozas(XYDiag, X(215), Y(20), X(425), Y(240), Cim("XY-diagram (", ")"), 1, 20, 15, 2, 14);
    AblakLetrehozas(Graf1, X(10), Y(250), X(315), Y(460), Cim("Ragadozók száma ("_cp, " idöegységenként)"_cp), 0, 1.0, 15);
    AblakLetrehozas(Graf2, X(325), Y(250), X(630), Y(460), Cim("Zsákmányok száma ("_cp, " idöegységenként)"_cp), 0, 1.0, 15);
}
