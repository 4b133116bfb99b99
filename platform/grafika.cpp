// The raster graphics surface on an in-memory framebuffer; the presenter only ever reads it.
#include "grafika.h"

#include <algorithm>
#include <vector>

#include "betukeszlet.h"
#include "megjelenito.h"

namespace {

constexpr int RAJZSZIN = 15;  // drawing colour; never changed
constexpr int HATTERSZIN = 0; // background colour; never changed
constexpr int BETUMERET = 8;

int KovSzel = 800, KovMag = 600;
int Szel = 800, Mag = 600;
std::vector<uint8_t> Kep(size_t(800) * 600);
bool Latszik = false;  // something visible was drawn since the surface opened

int VX1 = 0, VY1 = 0, VX2 = 799, VY2 = 599;  // the viewport, absolute; always clipping
int Vastagsag = NORMAL_VASTAGSAG;
int KitoltesMinta = TELI_KITOLTES, KitoltesSzin = RAJZSZIN;
int IgazitV = BALRA_IGAZIT, IgazitF = FELULRE_IGAZIT;

// Paints the absolute rectangle, cut to the viewport; corners may come in any order.
void Teglalap(int X1, int Y1, int X2, int Y2, uint8_t Szin)
{
    const int Bal = std::max(std::min(X1, X2), VX1), Jobb = std::min(std::max(X1, X2), VX2);
    const int Felso = std::max(std::min(Y1, Y2), VY1), Also = std::min(std::max(Y1, Y2), VY2);
    for (int Y = Felso; Y <= Also && Bal <= Jobb; ++Y)
        std::fill_n(&Kep[size_t(Y) * Szel + Bal], Jobb - Bal + 1, Szin);
}

void Lathatova()
{
    if (!Latszik) {
        Latszik = true;
        MegjelenitoMutat();
    }
}

}  // namespace

void GrafikaMeret(int Szelesseg, int Magassag)
{
    KovSzel = Szelesseg;
    KovMag = Magassag;
}

void InitGraph(int& Meghajto, int& Mod, std::string_view)
{
    MegjelenitoBezar();  // the presenter lets go of the framebuffer before it may move
    Meghajto = 9;        // the one device there is
    Mod = 2;
    Szel = KovSzel;
    Mag = KovMag;
    Kep.assign(size_t(Szel) * Mag, HATTERSZIN);
    VX1 = 0, VY1 = 0, VX2 = Szel - 1, VY2 = Mag - 1;
    Vastagsag = NORMAL_VASTAGSAG;
    KitoltesMinta = TELI_KITOLTES, KitoltesSzin = RAJZSZIN;
    IgazitV = BALRA_IGAZIT, IgazitF = FELULRE_IGAZIT;
    Latszik = false;
    MegjelenitoMegnyit(Kep.data(), Szel, Mag);
}

void CloseGraph()
{
    MegjelenitoBezar();
    Latszik = false;
}

void RestoreCrtMode() { CloseGraph(); }

int GetMaxX() { return Szel - 1; }
int GetMaxY() { return Mag - 1; }
int GetMaxColor() { return 15; }

bool SetViewPort(int X1, int Y1, int X2, int Y2, bool)
{
    if (X1 < 0 || Y1 < 0 || X2 > GetMaxX() || Y2 > GetMaxY() || X1 > X2 || Y1 > Y2) return false;
    VX1 = X1, VY1 = Y1, VX2 = X2, VY2 = Y2;
    return true;
}

void ClearViewPort() { Teglalap(VX1, VY1, VX2, VY2, HATTERSZIN); }

void SetLineStyle(int, unsigned, int Vastag) { Vastagsag = Vastag == VASTAG_VONAL ? VASTAG_VONAL : NORMAL_VASTAGSAG; }

void Rectangle(int X1, int Y1, int X2, int Y2)
{
    Lathatova();
    const int F = Vastagsag / 2;  // a thick outline is centred on the outline
    X1 += VX1, X2 += VX1, Y1 += VY1, Y2 += VY1;
    Teglalap(X1 - F, Y1 - F, X2 + F, Y1 + F, RAJZSZIN);
    Teglalap(X1 - F, Y2 - F, X2 + F, Y2 + F, RAJZSZIN);
    Teglalap(X1 - F, Y1 - F, X1 + F, Y2 + F, RAJZSZIN);
    Teglalap(X2 - F, Y1 - F, X2 + F, Y2 + F, RAJZSZIN);
}

void SetFillStyle(int Minta, int Szin)
{
    KitoltesMinta = Minta;
    KitoltesSzin = Szin;
}

void Bar(int X1, int Y1, int X2, int Y2)
{
    Lathatova();
    const int Szin = KitoltesMinta == URES_KITOLTES ? HATTERSZIN : KitoltesSzin;
    Teglalap(X1 + VX1, Y1 + VY1, X2 + VX1, Y2 + VY1, static_cast<uint8_t>(Szin));
}

void SetTextJustify(int Vizszintes, int Fuggoleges)
{
    IgazitV = Vizszintes;
    IgazitF = Fuggoleges;
}

void OutTextXY(int X, int Y, std::string_view Szoveg)
{
    Lathatova();
    int Bal = VX1 + X - (IgazitV == KOZEPRE_IGAZIT ? TextWidth(Szoveg) / 2 : 0);
    const int Felso = VY1 + Y;
    for (const char Kar : Szoveg) {
        const uint8_t* Jel = BETUKESZLET[static_cast<uint8_t>(Kar)];
        for (int Sor = 0; Sor < BETUMERET; ++Sor)
            for (int Osz = 0; Osz < BETUMERET; ++Osz)
                if (Jel[Sor] & (0x80 >> Osz)) {
                    const int PX = Bal + Osz, PY = Felso + Sor;
                    if (PX >= VX1 && PX <= VX2 && PY >= VY1 && PY <= VY2) Kep[size_t(PY) * Szel + PX] = RAJZSZIN;
                }
        Bal += BETUMERET;
    }
}

int TextWidth(std::string_view Szoveg) { return BETUMERET * static_cast<int>(Szoveg.size()); }
int TextHeight(std::string_view) { return BETUMERET; }

int32_t ImageSize(int X1, int Y1, int X2, int Y2)
{
    return static_cast<int32_t>(int64_t(X2 - X1 + 1) * (Y2 - Y1 + 1) * 2 + 12);
}

void PutPixel(int X, int Y, int Szin)
{
    Lathatova();
    X += VX1, Y += VY1;
    if (X >= VX1 && X <= VX2 && Y >= VY1 && Y <= VY2) Kep[size_t(Y) * Szel + X] = static_cast<uint8_t>(Szin);
}

void SorIras(int X, int Y, const uint8_t* Szinek, int Db)
{
    Lathatova();
    X += VX1, Y += VY1;
    if (Y < VY1 || Y > VY2) return;
    const int Bal = std::max(X, VX1), Jobb = std::min(X + Db - 1, VX2);
    if (Bal <= Jobb) std::copy(Szinek + (Bal - X), Szinek + (Jobb - X) + 1, &Kep[size_t(Y) * Szel + Bal]);
}

uint8_t KepPont(int X, int Y) { return Kep[size_t(Y) * Szel + X]; }
const uint8_t* Kepkocka() { return Kep.data(); }
