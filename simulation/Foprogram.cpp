// The main sequence of a run, and the start screen.
#include "Tartomany.h"
#include "Vadonles.h"
#include "grafika.h"

void KezdoKepernyo()
{
    if (KepMod != GRAFIKUS) {
        KepMod = GRAFIKUS;
        int GD = AUTOMATIKUS_FELISMERES, GM = 0;
        InitGraph(GD, GM, PATH);
        ClearViewPort();
        SetTextJustify(BALRA_IGAZIT, FELULRE_IGAZIT);
    }
    GrafikusKepernyoAllandoReszei(FEJLEC);
    AblakRajzolas(Graf1);
    XYAblakRajzolas(XYDiag);
    AblakRajzolas(Graf2);
    ReaterAblakRajzolas(TerAblak);
    ReaterUjraRajzol(TerAblak, Reater, Szukit<int16_t>(N), Szukit<int16_t>(M), T);
    KarAblakRajzolas(KarAblak);
}

void Futtatas()
{
    UzemMod = LEPESENKENTI;
    Tajekoztato(FEJLEC, TAJEKOZTATOFAJL);
    Inicializalas();
    T = 0;
    KezdoKepernyo();
    EredmenyMegjelenites();
    while (!Vegee()) {
        ++T;
        SzimulaciosLepes();
        EredmenyMegjelenites();
    }
    Zaras();
    OsszefoglaloMegjelenites();
}
