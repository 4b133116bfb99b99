// vadonles_frame: 16-bit counts, a step that only adds to the sums, and range checks that stop the program.
#include <gtest/gtest.h>

#include <algorithm>

#include "Tartomany.h"
#include "Vadonles.h"
#include "kilepes.h"
#include "rajz.h"
#include "veletlen.h"
#include "bemenet.h"

namespace {

TEST(KeretParbeszed, CountsBeyondSixteenBitsAreAskedAgain)
{
    TFolyamKonzol Konzol("250\n250\n40000\n32768\n32767\n99999999999\n29734\n29733\n0\n0\n0\n0\n");
    ParameterBekeres();
    const std::string Ki = Konzol.Kimenet();
    EXPECT_EQ(Ra0, 32767);
    EXPECT_EQ(Zs0, 29733);
    EXPECT_NE(Ki.find("A ragadozók száma? [1-62500]"), std::string::npos) << "the bound shown is still N * M";
}

TEST(KeretLepes, OnlyTheSumsGrow)
{
    N = 6, M = 7, Ra0 = 5, Zs0 = 9;
    VeletlenUjrakezdes();
    ReaterFelallitas();
    TReater Elotte;
    std::copy(&Reater[0][0], &Reater[0][0] + sizeof(TReater), &Elotte[0][0]);
    for (int Lepes = 0; Lepes < 1000; ++Lepes) SzimulaciosLepes();
    EXPECT_TRUE(std::equal(&Reater[0][0], &Reater[0][0] + sizeof(TReater), &Elotte[0][0]));
    EXPECT_EQ(RaDb, 5);
    EXPECT_EQ(ZsDb, 9);
    EXPECT_EQ(RaAtl, 200 * 5 + 1000 * 5);
    EXPECT_EQ(ZsAtl, 200 * 9 + 1000 * 9);
    RaDb = ZsDb = 0;
    EXPECT_FALSE(VegAllapot());
}

TEST(KeretTartomany, OutOfRangeValuesAndIndexesStopWithCode201)
{
    EXPECT_EQ(Szukit<int16_t>(int32_t{32767}), 32767);
    EXPECT_EXIT(Szukit<int16_t>(int32_t{40000}), ::testing::ExitedWithCode(TARTOMANY_HIBA), "40000");
    EXPECT_EXIT(Szukit<uint16_t>(-1), ::testing::ExitedWithCode(TARTOMANY_HIBA), "-1");
    EXPECT_EQ(Elem(Reater, 251)[0], Reater[251][0]);
    EXPECT_EXIT(Elem(Reater, 252), ::testing::ExitedWithCode(TARTOMANY_HIBA), "252");
    EXPECT_EXIT(Elem(Reater[0], -1), ::testing::ExitedWithCode(TARTOMANY_HIBA), "-1");
}

TEST(KeretTartomany, ToolkitCoordinatesBeyondSixteenBitsStop)
{
    FrissFelulet(800, 600);
    EXPECT_EXIT(TP2FP_X(32767), ::testing::ExitedWithCode(TARTOMANY_HIBA), "\\(40907\\)");
    TKarAblak K;
    KarAblakLetrehozas(K, 40000, 0, 40100, 100, "", 15);
    EXPECT_EXIT(KarAblakRajzolas(K), ::testing::ExitedWithCode(TARTOMANY_HIBA), "Futási hiba 201: tartományon kívüli érték \\(40[01]00\\)");
}

}  // namespace
