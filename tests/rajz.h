// Test help for pixel tests: a fresh surface of a chosen size, snapshots, and pictures of small regions.
#pragma once
#include <string>
#include <vector>

#include "grafika.h"

inline void FrissFelulet(int Szel = 640, int Mag = 480)
{
    GrafikaMeret(Szel, Mag);
    int GD = AUTOMATIKUS_FELISMERES, GM = 0;
    InitGraph(GD, GM, "");
}

inline std::vector<uint8_t> Pillanatkep() { return {Kepkocka(), Kepkocka() + size_t(GetMaxX() + 1) * (GetMaxY() + 1)}; }

// The region's pixels as rows of '#' (lit) and '.' (background).
inline std::string Kep(int X1, int Y1, int X2, int Y2)
{
    std::string S;
    for (int Y = Y1; Y <= Y2; ++Y) {
        for (int X = X1; X <= X2; ++X) S += KepPont(X, Y) ? '#' : '.';
        S += '\n';
    }
    return S;
}

inline bool Ures(int X1, int Y1, int X2, int Y2) { return Kep(X1, Y1, X2, Y2).find('#') == std::string::npos; }
