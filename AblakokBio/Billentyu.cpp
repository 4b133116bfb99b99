// Key waits with the turning mark, run-mode keys, text pages and the help text shown page by page.
#include "Billentyu.h"

#include "Alap.h"
#include "Rajz.h"
#include "fajl.h"
#include "kilepes.h"
#include "konzol.h"

namespace {

constexpr int OLDALSOROK = 19;
constexpr char KERETJEL = "▓"_cp.Adat[0];

// The turning mark: - \ | / and round again.
char Forgatas(char C)
{
    switch (C) {
        case '-': return '\\';
        case '\\': return '|';
        case '|': return '/';
        case '/': return '-';
        default: return C;
    }
}

void Uzemmodvaltas(char C)
{
    switch (C) {
        case 'N': case 'n': UzemMod = NORMAL; break;
        case 'L': case 'l': UzemMod = LEPESENKENTI; break;
        case 'C': case 'c': UzemMod = CSENDES; break;
        case 'V': case 'v': UzemMod = VEGE; break;
        default: break;
    }
}

}  // namespace

void BillentyureVar(char& C)
{
    if (KepMod == SZOVEGES) {
        C = '-';
        do {
            C = Forgatas(C);
            Window(1, 1, 80, 25);
            GotoXY(35, 25);
            Write("Lapozhatunk?");
            Write(C);
            Delay(100);
        } while (!KeyPressed());
        C = ReadKey();
    } else if (UzemMod == LEPESENKENTI) {
        const int32_t MX = GetMaxX();
        Nezet(MX - 12, 4, MX - 8, BetuMag() + 2);
        C = '-';
        do {
            ClearViewPort();
            C = Forgatas(C);
            Kiiras(0, 0, {&C, 1});
            Delay(100);
        } while (!KeyPressed());
        C = ReadKey();
        TeljesNezet();
        Uzemmodvaltas(C);
    } else if (KeyPressed()) {
        C = ReadKey();
        Uzemmodvaltas(C);
    } else {
        C = ' ';
    }
}

void SzovegesLap(std::string_view Fejlec)
{
    if (KepMod == GRAFIKUS) RestoreCrtMode();
    KepMod = SZOVEGES;
    Window(1, 1, 80, 25);
    ClrScr();
    for (int X = 2; X <= 79; ++X)
        for (const int Y : {1, 24}) {
            GotoXY(X, Y);
            Write(KERETJEL);
        }
    for (int Y = 1; Y <= 24; ++Y)
        for (const int X : {1, 80}) {
            GotoXY(X, Y);
            Write(KERETJEL);
        }
    HighVideo();
    GotoXY(Tartomanyban(40 - static_cast<int>(Fejlec.size()) / 2, 1, 80), 1);
    Write(Fejlec);
    NormVideo();
    Window(3, 3, 78, 23);
}

void Tajekoztato(std::string_view Fejlec, std::string_view TajekoztatoFile)
{
    TSzovegFajl F;
    Assign(F, TajekoztatoFile);
    Reset(F);
    char C;
    if (IOResult() != 0) {
        HighVideo();
        WriteLn("  Nincs meg a tájékoztató fájl!!!  "_cp);
        NormVideo();
        BillentyureVar(C);
        return;
    }
    while (!Eof(F)) {
        SzovegesLap(Fejlec);
        int S = 1;
        do {
            if (S > 1) WriteLn();
            TSzoveg<255> Sor;
            ReadLn(F, Sor);
            Write(Sor);
            ++S;
        } while (!Eof(F) && S != OLDALSOROK + 1);
        BillentyureVar(C);
    }
    Close(F);
}
