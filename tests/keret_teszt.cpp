// vadonles_frame: 16-bit counts, a step that only adds to the sums, and range checks that stop the program.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "Tartomany.h"
#include "Vadonles.h"
#include "kilepes.h"
#include "rajz.h"
#include "veletlen.h"
#include "bemenet.h"
#include "munkakonyvtar.h"

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

TEST(KeretElrendezes, ProbabilitiesWithFiveDecimals)
{
    FrissFelulet();
    RaSz = 0.5, RaH = 1, ZsSz = 0, ZsH = 0.05;
    AblakokLetrehozasa();
    EXPECT_EQ(std::string_view(KarAblak.Adatok[6].Ert), "0.50000");
    EXPECT_EQ(std::string_view(KarAblak.Adatok[7].Ert), "1.00000");
    EXPECT_EQ(std::string_view(KarAblak.Adatok[8].Ert), "0.00000");
    EXPECT_EQ(std::string_view(KarAblak.Adatok[9].Ert), "0.05000");
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

// Whether the rectangle of the surface differs between two snapshots.
bool Valtozott(const std::vector<uint8_t>& Elotte, const std::vector<uint8_t>& Utana, int X1, int Y1, int X2, int Y2)
{
    for (int Y = Y1; Y <= Y2; ++Y)
        for (int X = X1; X <= X2; ++X)
            if (Elotte[size_t(Y) * 800 + X] != Utana[size_t(Y) * 800 + X]) return true;
    return false;
}

TEST(KeretCsendes, QuietModeRedrawsOnlyEvery5000Steps)
{
    TMunkakonyvtar Munka;
    TFolyamKonzol Konzol("");
    GrafikaMeret(800, 600);
    N = 10, M = 12, Ra0 = 5, Zs0 = 9;
    RaSz = RaH = ZsSz = ZsH = 0.5;
    KepMod = SZOVEGES, UzemMod = LEPESENKENTI;
    int GD = AUTOMATIKUS_FELISMERES, GM = 0;
    InitGraph(GD, GM, "");
    AblakokLetrehozasa();
    ReaterFelallitas();
    NaploKeszites();
    T = 0;
    KezdoKepernyo();
    EredmenyMegjelenites();
    UzemMod = CSENDES;
    const auto Ter = [](const auto& A, const auto& B) { return Valtozott(A, B, TerAblak.BFX, TerAblak.BFY, TerAblak.JAX, TerAblak.JAY); };
    const auto Kar = [](const auto& A, const auto& B) { return Valtozott(A, B, KarAblak.BFX, KarAblak.BFY, KarAblak.JAX, KarAblak.JAY); };
    const auto Hiszt = [](const auto& A, const auto& B) { return Valtozott(A, B, Graf1.BFX, Graf1.BFY, Graf1.JAX, Graf1.JAY); };
    const auto XY = [](const auto& A, const auto& B) { return Valtozott(A, B, XYDiag.BFX, XYDiag.BFY, XYDiag.JAX, XYDiag.JAY); };
    for (T = 1; T <= 5000; ++T) {
        SzimulaciosLepes();
        const bool Nezzuk = T == 4800 || T == 5000;
        const auto Elotte = Nezzuk ? Pillanatkep() : std::vector<uint8_t>();
        EredmenyMegjelenites();
        const auto Utana = Nezzuk ? Pillanatkep() : std::vector<uint8_t>();
        if (T == 4800) {
            EXPECT_FALSE(Ter(Elotte, Utana) || Kar(Elotte, Utana) || Hiszt(Elotte, Utana));
            EXPECT_TRUE(XY(Elotte, Utana));
            EXPECT_EQ(Graf1.AdatDb, 25) << "the value is stored all the same";
        }
        if (T == 5000) {
            EXPECT_TRUE(Ter(Elotte, Utana) && Kar(Elotte, Utana) && Hiszt(Elotte, Utana));
            EXPECT_EQ(std::string_view(KarAblak.Adatok[1].Ert), "Csendes");
        }
        EXPECT_EQ(XYDiag.KP, T / 200 + 1);
        EXPECT_EQ(UzemMod, CSENDES);
    }
    const std::string Naplo = Munka.Tartalom("Ragadozas_10x12.csv");
    EXPECT_NE(Naplo.find("\r\n4800;5;9;5;9;\r\n5000;5;9;5;9;\r\n"), std::string::npos);
}

TEST(KeretNaplo, AnUnwritableLogIsARunTimeError)
{
    TMunkakonyvtar Munka;
    N = 10, M = 12;
    NaploKeszites();
    std::filesystem::remove("Ragadozas_10x12.csv");
    std::filesystem::create_directory("Ragadozas_10x12.csv");
    EXPECT_EXIT(NaploIdoszakSor(1, 1), ::testing::ExitedWithCode(FUTASI_IO_HIBA), "naplófájl");
}

}  // namespace
