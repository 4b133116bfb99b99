// The end of a run: the end-state message and a last look at the graphs, the log's closing lines, and the summary
// pages made from the template.
#include "Vadonles.h"
#include "grafika.h"
#include "kilepes.h"
#include "konzol.h"
#include "szamiras.h"

namespace {

constexpr int OLDALSOROK = 19;

using TSablonSor = TSzoveg<80>;

// Splits Sor at the first Minel, which the caller knows to be there.
void Szetszed(const TSablonSor& Sor, std::string_view Minel, TSablonSor& SE, TSablonSor& SV)
{
    const std::string_view S = Sor;
    const size_t I = S.find(Minel);
    Ertekadas(SE, S.substr(0, I));
    Ertekadas(SV, S.substr(I + Minel.size()));
}

// Every placeholder of the line replaced, leftmost first, one placeholder after the other; cut to 80 bytes.
void Helyettesites(TSablonSor& Sor)
{
    const struct {
        std::string_view Jel;
        int64_t Ertek;
    } Jelek[] = {{"<@T@>", T}, {"<@N@>", N}, {"<@Ra0@>", Ra0}, {"<@Zs0@>", Zs0}};
    for (const auto& J : Jelek)
        while (std::string_view(Sor).find(J.Jel) != std::string_view::npos) {
            TSablonSor SE, SV;
            Szetszed(Sor, J.Jel, SE, SV);
            const TSzoveg<255> SK = EgeszStr(J.Ertek);
            Ertekadas(Sor, SE);
            Hozzafuz(Sor, SK);
            Hozzafuz(Sor, SV);
        }
}

}  // namespace

void Zaras()
{
    char C;
    if (VegAllapot()) {
        Write("\n\r");
        Write("A szimuláció végállapotba jutott!"_cp);
        WriteLn(" Nyomja le az entert, ha jól megnézte a grafikonokat!"_cp);
        UzemMod = LEPESENKENTI;
        KarAblakUjErtek(KarAblak, "Üzemmód"_cp, SUzemmodok[UzemMod]);
        KarAblakRajzolas(KarAblak);
        BillentyureVar(C);
    }
    JelzeskorTeendo(nullptr);
    NaploZaroSorok();
}

void OsszefoglaloMegjelenites()
{
    char C;
    BillentyureVar(C);
    KepMod = SZOVEGES;
    CloseGraph();
    SzovegesLap(FEJLEC);
    TSzovegFajl TF;
    Assign(TF, KONKLUZIOFAJL);
    Reset(TF);
    if (IOResult() != 0) {
        HighVideo();
        WriteLn("  Nincs meg az összefoglaló fájl!!!  "_cp);
        NormVideo();
        BillentyureVar(C);
    } else {
        while (!Eof(TF)) {
            SzovegesLap(FEJLEC);
            int S = 1;
            do {
                if (S > 1) WriteLn();
                TSablonSor Sor;
                ReadLn(TF, Sor);
                Helyettesites(Sor);
                Write(Sor);
                ++S;
            } while (!Eof(TF) && S != OLDALSOROK + 1);
            BillentyureVar(C);
        }
        Close(TF);
    }
    ClrScr();
    GotoXY(25, 10);
    WriteLn("Itt a vége fuss el véle!!!!"_cp);
}
