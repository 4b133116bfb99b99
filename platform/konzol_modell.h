// The text console as data: 80 x 25 cells with brightness, the output window, the cursor, wrap and scroll.
#pragma once
#include <string_view>

inline constexpr int KONZOL_SZEL = 80;
inline constexpr int KONZOL_MAG = 25;

struct TKonzolCella {
    char Kar;
    bool Fenyes;
};

// Columns and rows are counted from 1; the window and the cursor are kept in whole-screen positions.
struct TKonzolModell {
    TKonzolCella Cellak[KONZOL_MAG][KONZOL_SZEL];
    int WX1, WY1, WX2, WY2;
    int X, Y;
    bool Fenyes;
};

void ModellAlaphelyzet(TKonzolModell& K);
// A window outside the screen or turned inside out is ignored, as is a cursor position outside the window.
void ModellWindow(TKonzolModell& K, int X1, int Y1, int X2, int Y2);
void ModellClrScr(TKonzolModell& K);
void ModellGotoXY(TKonzolModell& K, int X, int Y);
// Writes bytes at the cursor: CR goes back to the window's left edge, LF one row down, BS one column left;
// a row that runs past the window's right edge wraps, and a row below its bottom scrolls the window up.
void ModellKiiras(TKonzolModell& K, std::string_view Szoveg);
// The cursor relative to the window.
int ModellWhereX(const TKonzolModell& K);
int ModellWhereY(const TKonzolModell& K);
