// The graphics surface on a 640 x 480 framebuffer: viewports, clipping, outlines, bars, text and measures.
#include <gtest/gtest.h>

#include "grafika.h"
#include "rajz.h"
#include "szoveg.h"

extern int MegjelenitesekSzama;

namespace {

class Grafika : public ::testing::Test {
protected:
    void SetUp() override { FrissFelulet(); }
};

TEST_F(Grafika, MeasuresAndDefaults)
{
    EXPECT_EQ(GetMaxX(), 639);
    EXPECT_EQ(GetMaxY(), 479);
    EXPECT_EQ(GetMaxColor(), 15);
    EXPECT_EQ(TextWidth(" "), 8);
    EXPECT_EQ(TextHeight(" "), 8);
    EXPECT_EQ(ImageSize(9, 257, 314, 459), 124248);
    GrafikaMeret(800, 600);
    int GD = AUTOMATIKUS_FELISMERES, GM = 0;
    InitGraph(GD, GM, "");
    EXPECT_EQ(GetMaxX(), 799);
    EXPECT_EQ(GetMaxY(), 599);
}

TEST_F(Grafika, RefusedViewportKeepsThePreviousOne)
{
    struct Eset {
        int X1, Y1, X2, Y2;
    };
    const Eset Elutasitott[] = {{-1, 0, 10, 10}, {0, -1, 10, 10}, {0, 0, 640, 10}, {0, 0, 10, 480}, {11, 0, 10, 10}, {0, 11, 10, 10}};
    for (const Eset& E : Elutasitott) {
        SetViewPort(100, 100, 200, 200, true);
        SetViewPort(E.X1, E.Y1, E.X2, E.Y2, true);
        PutPixel(0, 0, 4);
        EXPECT_EQ(KepPont(100, 100), 4) << E.X1 << "," << E.Y1 << "," << E.X2 << "," << E.Y2;
        PutPixel(0, 0, 0);
    }
    SetViewPort(0, 0, 639, 479, true);  // both edges of the surface are allowed
    PutPixel(639, 479, 2);
    EXPECT_EQ(KepPont(639, 479), 2);
}

TEST_F(Grafika, DrawingIsRelativeToTheViewportAndClippedToIt)
{
    SetViewPort(10, 20, 14, 22, true);
    PutPixel(4, 2, 14);   // the viewport's last pixel
    PutPixel(5, 0, 14);   // right of it
    PutPixel(0, 3, 14);   // below it
    PutPixel(-1, 0, 14);  // left of it
    EXPECT_EQ(KepPont(14, 22), 14);
    EXPECT_EQ(KepPont(15, 20), 0);
    EXPECT_EQ(KepPont(10, 23), 0);
    EXPECT_EQ(KepPont(9, 20), 0);
    SetFillStyle(TELI_KITOLTES, 1);
    Bar(-5, -5, 100, 1);  // cut to columns 10..14 of rows 20..21
    EXPECT_EQ(Kep(9, 19, 15, 23), ".......\n.#####.\n.#####.\n.....#.\n.......\n");
}

TEST_F(Grafika, OutlinesAreOneOrThreePixelsWide)
{
    Rectangle(2, 2, 6, 5);
    EXPECT_EQ(Kep(1, 1, 7, 6),
              ".......\n"
              ".#####.\n"
              ".#...#.\n"
              ".#...#.\n"
              ".#####.\n"
              ".......\n");
    ClearViewPort();
    SetLineStyle(FOLYTONOS_VONAL, 0, VASTAG_VONAL);
    Rectangle(3, 3, 9, 9);  // centred on the outline: 2..4 and 8..10
    EXPECT_EQ(Kep(1, 1, 11, 11),
              "...........\n"
              ".#########.\n"
              ".#########.\n"
              ".#########.\n"
              ".###...###.\n"
              ".###...###.\n"
              ".###...###.\n"
              ".#########.\n"
              ".#########.\n"
              ".#########.\n"
              "...........\n");
    SetViewPort(0, 0, 5, 5, true);
    ClearViewPort();
    EXPECT_EQ(KepPont(3, 3), 0);
    EXPECT_EQ(KepPont(8, 8), 15) << "clearing stays inside the viewport";
}

TEST_F(Grafika, BarsIncludeTheirCornersAndTheEmptyFillPaintsTheBackground)
{
    SetFillStyle(TELI_KITOLTES, 14);
    Bar(5, 5, 7, 6);
    EXPECT_EQ(Kep(4, 4, 8, 7), ".....\n.###.\n.###.\n.....\n");
    EXPECT_EQ(KepPont(5, 5), 14);
    SetFillStyle(URES_KITOLTES, 14);
    Bar(6, 5, 6, 6);
    EXPECT_EQ(Kep(4, 4, 8, 7), ".....\n.#.#.\n.#.#.\n.....\n");
}

TEST_F(Grafika, TextIsAnchoredLeftOrCentredAtItsTop)
{
    OutTextXY(100, 50, "Ab");
    const auto Balra = Pillanatkep();
    ClearViewPort();
    SetTextJustify(KOZEPRE_IGAZIT, FELULRE_IGAZIT);
    OutTextXY(108, 50, "Ab");  // centred on 108: starts at 108 - 16 / 2
    EXPECT_EQ(Pillanatkep(), Balra);
    EXPECT_EQ(Kep(100, 49, 115, 49), std::string(16, '.') + "\n");
    EXPECT_NE(Kep(100, 50, 115, 57).find('#'), std::string::npos);
}

TEST_F(Grafika, RowsAreWrittenAsPixelByPixel)
{
    const uint8_t Szinek[6] = {1, 4, 14, 0, 2, 15};
    SetViewPort(10, 10, 13, 11, true);
    SorIras(-1, 0, Szinek, 6);  // cut at both ends
    SorIras(0, 2, Szinek, 6);   // below the viewport
    const auto Egyben = Pillanatkep();
    FrissFelulet();
    SetViewPort(10, 10, 13, 11, true);
    for (int I = 0; I < 6; ++I) PutPixel(I - 1, 0, Szinek[I]), PutPixel(I, 2, Szinek[I]);
    EXPECT_EQ(Pillanatkep(), Egyben);
    EXPECT_EQ(KepPont(10, 10), 4);
}

TEST_F(Grafika, TextIsClippedPixelByPixel)
{
    SetViewPort(20, 20, 24, 27, true);  // 5 pixels of an 8 pixel wide glyph
    OutTextXY(0, 0, "W");
    SetViewPort(0, 0, 639, 479, true);
    int Bal = 0;
    for (int Y = 20; Y < 28; ++Y) {
        for (int X = 20; X < 25; ++X) Bal += KepPont(X, Y) != 0;
        for (int X = 25; X < 28; ++X) EXPECT_EQ(KepPont(X, Y), 0);
    }
    EXPECT_GT(Bal, 0);
}

TEST_F(Grafika, EveryLetterOfTheProgramsTextsHasAGlyph)
{
    std::string Betuk;
    for (int C = '!'; C <= '~'; ++C) Betuk += static_cast<char>(C);
    Betuk += "áéíóöőúüűôÁÉÍÓÖŐÚÜŰ"_cp;
    for (const char C : Betuk) {
        ClearViewPort();
        OutTextXY(0, 0, std::string_view(&C, 1));
        EXPECT_NE(Kep(0, 0, 7, 7).find('#'), std::string::npos) << "byte " << int(static_cast<unsigned char>(C));
    }
}

TEST_F(Grafika, MeasuringOpenShowsNoWindow)
{
    const int Elotte = MegjelenitesekSzama;
    int GD = AUTOMATIKUS_FELISMERES, GM = 0;
    InitGraph(GD, GM, "");
    ClearViewPort();
    (void)GetMaxX(), (void)TextHeight(" "), (void)ImageSize(0, 0, 10, 10);
    CloseGraph();
    EXPECT_EQ(MegjelenitesekSzama, Elotte);
    InitGraph(GD, GM, "");
    Rectangle(1, 1, 5, 5);
    PutPixel(0, 0, 1);
    EXPECT_EQ(MegjelenitesekSzama, Elotte + 1);
}

}  // namespace
