// The console model: everything the console shows, kept as cells, so it is tested without a terminal.
#include "konzol_modell.h"

namespace {

TKonzolCella& Cella(TKonzolModell& K, int X, int Y) { return K.Cellak[Y - 1][X - 1]; }

void Soremeles(TKonzolModell& K)
{
    if (K.Y < K.WY2) {
        ++K.Y;
        return;
    }
    for (int Y = K.WY1; Y < K.WY2; ++Y)
        for (int X = K.WX1; X <= K.WX2; ++X) Cella(K, X, Y) = Cella(K, X, Y + 1);
    for (int X = K.WX1; X <= K.WX2; ++X) Cella(K, X, K.WY2) = {' ', false};
}

}  // namespace

void ModellAlaphelyzet(TKonzolModell& K)
{
    K.Fenyes = false;
    K.WX1 = 1, K.WY1 = 1, K.WX2 = KONZOL_SZEL, K.WY2 = KONZOL_MAG;
    ModellClrScr(K);
}

void ModellWindow(TKonzolModell& K, int X1, int Y1, int X2, int Y2)
{
    if (X1 < 1 || Y1 < 1 || X2 > KONZOL_SZEL || Y2 > KONZOL_MAG || X1 > X2 || Y1 > Y2) return;
    K.WX1 = X1, K.WY1 = Y1, K.WX2 = X2, K.WY2 = Y2;
    K.X = X1, K.Y = Y1;
}

void ModellClrScr(TKonzolModell& K)
{
    for (int Y = K.WY1; Y <= K.WY2; ++Y)
        for (int X = K.WX1; X <= K.WX2; ++X) Cella(K, X, Y) = {' ', false};
    K.X = K.WX1, K.Y = K.WY1;
}

void ModellGotoXY(TKonzolModell& K, int X, int Y)
{
    if (X < 1 || Y < 1 || X > K.WX2 - K.WX1 + 1 || Y > K.WY2 - K.WY1 + 1) return;
    K.X = K.WX1 + X - 1, K.Y = K.WY1 + Y - 1;
}

void ModellKiiras(TKonzolModell& K, std::string_view Szoveg)
{
    for (const char C : Szoveg) {
        if (C == '\r') {
            K.X = K.WX1;
        } else if (C == '\n') {
            Soremeles(K);
        } else if (C == '\b') {
            if (K.X > K.WX1) --K.X;
        } else {
            Cella(K, K.X, K.Y) = {C, K.Fenyes};
            if (++K.X > K.WX2) {
                K.X = K.WX1;
                Soremeles(K);
            }
        }
    }
}

int ModellWhereX(const TKonzolModell& K) { return K.X - K.WX1 + 1; }
int ModellWhereY(const TKonzolModell& K) { return K.Y - K.WY1 + 1; }
