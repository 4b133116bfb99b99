// The raster graphics surface: an in-memory framebuffer of palette indices with one clipping viewport, outlines, bars and 8x8 text.
#pragma once
#include <cstdint>
#include <string_view>

inline constexpr int FOLYTONOS_VONAL = 0;   // line style
inline constexpr int NORMAL_VASTAGSAG = 1;  // line thickness in pixels
inline constexpr int VASTAG_VONAL = 3;
inline constexpr int URES_KITOLTES = 0;     // fill pattern: the background colour
inline constexpr int TELI_KITOLTES = 1;     // fill pattern: the fill colour
inline constexpr int BALRA_IGAZIT = 0;      // horizontal text anchor
inline constexpr int KOZEPRE_IGAZIT = 1;
inline constexpr int FELULRE_IGAZIT = 2;    // vertical text anchor
inline constexpr int AUTOMATIKUS_FELISMERES = 0;

// Size the next InitGraph chooses (800 x 600 unless changed; tests use 640 x 480).
void GrafikaMeret(int Szelesseg, int Magassag);

void InitGraph(int& Meghajto, int& Mod, std::string_view Utvonal);
void CloseGraph();
void RestoreCrtMode();
int GetMaxX();
int GetMaxY();
int GetMaxColor();
// A viewport outside the surface or turned inside out is refused (false) and the previous one stays.
bool SetViewPort(int X1, int Y1, int X2, int Y2, bool Vagas);
void ClearViewPort();
void SetLineStyle(int Stilus, unsigned Minta, int Vastagsag);
void Rectangle(int X1, int Y1, int X2, int Y2);
void SetFillStyle(int Minta, int Szin);
void Bar(int X1, int Y1, int X2, int Y2);
void SetTextJustify(int Vizszintes, int Fuggoleges);
void OutTextXY(int X, int Y, std::string_view Szoveg);
int TextWidth(std::string_view Szoveg);
int TextHeight(std::string_view Szoveg);
int32_t ImageSize(int X1, int Y1, int X2, int Y2);
void PutPixel(int X, int Y, int Szin);
// Db pixels of the given colours from (X, Y) to the right, viewport-relative and clipped, as PutPixel each.
void SorIras(int X, int Y, const uint8_t* Szinek, int Db);

// The colour index at absolute (X, Y); the whole framebuffer, row after row.
uint8_t KepPont(int X, int Y);
const uint8_t* Kepkocka();
