// The histogram window: its size check at creation, its stored series, and the full redraw of its bars.
#include "HisztAblak.h"

#include "Billentyu.h"
#include "Kepernyo.h"
#include "Rajz.h"
#include "kilepes.h"
#include "konzol.h"
#include "szamiras.h"

void AblakLetrehozas(THisztAblak& Graf, uint16_t BX, uint16_t BY, uint16_t JX, uint16_t JY, std::string_view C, uint16_t Adb,
                     double L, uint8_t Sz)
{
    Ertekadas(Graf.Cim, C);
    Graf.BFX = BX, Graf.BFY = BY, Graf.JAX = JX, Graf.JAY = JY;
    Graf.AdatDb = Adb;
    Graf.Leptek = L;
    for (int32_t& Adat : Graf.Adatok) Adat = 0;
    Graf.Szin = Sz;
    const int32_t Meret = HisztogramMozgatoPufferMerete(Graf);
    if (Meret <= PUFMERET) return;
    CloseGraph();
    SzovegesLap("Hibaüzenet!"_cp);
    WriteLn("Sajnos kicsi a hisztogram-mentéshez rendelt temporális memória,"_cp);
    WriteLn("ezért a program nem tud futni. Megáll."_cp);
    WriteLn();
    WriteLn("A \"puffMeret\" konstans értékét növelni kell ekkorára:"_cp);
    WriteLn(EgeszStr(Meret));
    WriteLn("Szólj a programozónak! :)"_cp);
    WriteLn();
    char Billentyu;
    BillentyureVar(Billentyu);
    Halt(1);
}

int32_t HisztogramMozgatoPufferMerete(const THisztAblak& Graf)
{
    return ImageSize(Graf.BFX, K16(Graf.BFY + BetuMag()), Graf.JAX, Graf.JAY);
}

void AblakRajzolas(THisztAblak& Graf) { AblakKeretRajzolas(Graf.BFX, Graf.BFY, Graf.JAX, Graf.JAY, Graf.Cim); }

void IdoKiiras(THisztAblak& Graf, int32_t T) { AblakIdoKiiras(Graf.BFX, Graf.BFY, T); }

void IdoDiagram(uint16_t Szam, THisztAblak& Graf, int32_t T)
{
    if (UzemMod != CSENDES) IdoKiiras(Graf, T);
    if (Graf.AdatDb <= MAXDB) {
        Elem(Graf.Adatok, Graf.AdatDb) = Szam;
        ++Graf.AdatDb;
    } else {
        for (int I = 1; I < Graf.AdatDb; ++I) Elem(Graf.Adatok, I - 1) = Elem(Graf.Adatok, I);
        Elem(Graf.Adatok, Graf.AdatDb - 1) = Szam;
    }
    if (UzemMod != CSENDES) TeljesGrafikon(Graf);
}

void TeljesGrafikon(THisztAblak& Graf)
{
    const THisztAblak& G = Graf;
    const int32_t H = BetuMag();
    const auto Osz = Szukit<uint16_t>((G.JAX - G.BFX) / (G.AdatDb + 1));
    SetFillStyle(URES_KITOLTES, 0);
    Sav(G.BFX + 2, G.BFY + H + 10, G.JAX - 2, G.JAY - 2);
    SetFillStyle(TELI_KITOLTES, G.Szin);
    int32_t Max = 1;
    for (int I = 0; I < G.AdatDb; ++I)
        if (Elem(G.Adatok, I) > Max) Max = Elem(G.Adatok, I);
    Graf.Leptek = static_cast<double>((G.JAY - 2) - (G.BFY + H + 10)) / Max;
    if (Osz == 0) return;
    for (int32_t I = 0; I < G.AdatDb; ++I)
        Sav(G.BFX + 2 + I * Osz, (G.JAY - 2) - static_cast<int32_t>(Elem(G.Adatok, I) * G.Leptek), G.BFX + 1 + (I + 1) * Osz,
            G.JAY - 2);
}
