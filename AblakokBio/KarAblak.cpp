// The character window's fields, their lookup by name, and their drawing.
#include "KarAblak.h"

#include "Kepernyo.h"
#include "Rajz.h"
#include "kilepes.h"
#include "konzol.h"

namespace {

[[noreturn]] void MezoHiba(std::string_view Eleje, std::string_view Nev, std::string_view Vege, int Kod)
{
    Write(Eleje);
    Write(Nev);
    WriteLn(Vege);
    Halt(Kod);
}

}  // namespace

void KarAblakLetrehozas(TKarAblak& KarAblak, uint16_t BX, uint16_t BY, uint16_t JX, uint16_t JY, std::string_view C, uint8_t SZ)
{
    Ertekadas(KarAblak.Cim, C);
    KarAblak.BFX = BX, KarAblak.BFY = BY, KarAblak.JAX = JX, KarAblak.JAY = JY;
    KarAblak.AdatDb = 0;
    KarAblak.Szin = SZ;
}

void KarAblakUjMezo(TKarAblak& KarAblak, std::string_view Nev, std::string_view Ert)
{
    if (KarAblak.AdatDb >= MAXMDB) MezoHiba("Túl sok mező ("_cp, Nev, " nevű) az egyik KarAblak-ban!"_cp, 1);
    ++KarAblak.AdatDb;
    TMezo& Mezo = Elem(KarAblak.Adatok, KarAblak.AdatDb);
    Ertekadas(Mezo.Nev, Nev);
    Ertekadas(Mezo.Ert, Ert);
}

void KarAblakUjErtek(TKarAblak& KarAblak, std::string_view Nev, std::string_view Ert)
{
    // The search stops at the last field in use, so a full window is searched like any other.
    int I = 1;
    while (I <= KarAblak.AdatDb && std::string_view(Elem(KarAblak.Adatok, I).Nev) != Nev) ++I;
    if (I > KarAblak.AdatDb) MezoHiba("Nem létező ("_cp, Nev, " nevű) mező az egyik KarAblak-ban!"_cp, 2);
    Ertekadas(Elem(KarAblak.Adatok, I).Ert, Ert);
}

void KarAblakRajzolas(TKarAblak& KarAblak)
{
    const TKarAblak& A = KarAblak;
    const int32_t H = BetuMag();
    AblakKeretRajzolas(A.BFX, A.BFY, A.JAX, A.JAY, A.Cim);
    Nezet(A.BFX, A.BFY + H, A.JAX, A.JAY);
    for (int32_t I = 1; I <= A.AdatDb; ++I) {
        SetFillStyle(URES_KITOLTES, 0);
        Sav(10, I * (H + 5), (A.JAX - A.BFX) - 10, (I + 1) * (H + 5));  // clears the line of the old value
        TSzoveg<255> Sor = Elem(A.Adatok, I).Nev;
        Hozzafuz(Sor, ":");
        Hozzafuz(Sor, Elem(A.Adatok, I).Ert);
        Kiiras(10, I * (H + 5), Sor);
    }
    TeljesNezet();
    SetTextJustify(BALRA_IGAZIT, FELULRE_IGAZIT);
    SetFillStyle(TELI_KITOLTES, GetMaxColor());
}

void KarIdoKiiras(TKarAblak& KarAblak, int32_t T) { AblakIdoKiiras(KarAblak.BFX, KarAblak.BFY, T); }
