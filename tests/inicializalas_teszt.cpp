// Initialisation: the dialog's prompts, bounds and silent re-asking, and the walled territory with its starting animals.
#include <gtest/gtest.h>

#include <string>

#include "Vadonles.h"
#include "bemenet.h"
#include "rajz.h"
#include "veletlen.h"

namespace {

std::string Terkep(int Sorok, int Oszlopok)
{
    std::string S;
    for (int I = 0; I < Sorok; ++I) {
        for (int J = 0; J < Oszlopok; ++J) S += "#RZ."[Reater[I][J]];
        S += '\n';
    }
    return S;
}

TEST(Parbeszed, BadEntriesAreAskedAgainSilentlyAndBothEndsAreAccepted)
{
    TFolyamKonzol Konzol("abc\n0\n251\n-1\n250\n250\n1\n62499\n0\n1\n0.5\n0.25\n");
    ParameterBekeres();
    const std::string Ki = Konzol.Kimenet();
    EXPECT_EQ(N, 250);
    EXPECT_EQ(M, 250);
    EXPECT_EQ(Ra0, 1);
    EXPECT_EQ(Zs0, 62499);
    EXPECT_EQ(RaSz, 0);
    EXPECT_EQ(RaH, 1);
    EXPECT_EQ(ZsSz, 0.5);
    EXPECT_EQ(ZsH, 0.25);
    EXPECT_EQ(Elofordulas(Ki, "A territórium függôleges mérete? [1-250]"), 5);
    EXPECT_EQ(Elofordulas(Ki, "A ragadozók száma? [1-62500]"), 1);
    EXPECT_EQ(Elofordulas(Ki, "A zsákányok száma? [1-62499]"), 1);
    EXPECT_EQ(Elofordulas(Ki, "\n"), 12) << "one line per entry, and no message";
}

TEST(Parbeszed, BoundsFollowTheEntriesBefore)
{
    TFolyamKonzol Konzol("4\n5\n0\n21\n19\n2\n1\n1.01\n-0.1\nx\n0\n1\n1\n0.0625\n");
    ParameterBekeres();
    const std::string Ki = Konzol.Kimenet();
    EXPECT_EQ(Elofordulas(Ki, "A ragadozók száma? [1- 20]"), 3);
    EXPECT_EQ(Elofordulas(Ki, "A zsákányok száma? [1-  1]"), 2);
    EXPECT_EQ(Elofordulas(Ki, "Ragadozó szülési valószínűsége? [0..1]"), 4);
    EXPECT_EQ(Ra0, 19);
    EXPECT_EQ(Zs0, 1);
    EXPECT_EQ(RaSz, 0);
    EXPECT_EQ(ZsH, 0.0625);
}

TEST(Parbeszed, PredatorsFillingTheTerritoryStartTheDialogAgain)
{
    TFolyamKonzol Konzol("1\n1\n1\n2\n3\n5\n1\n0\n0\n0\n0\n");
    ParameterBekeres();
    const std::string Ki = Konzol.Kimenet();
    EXPECT_EQ(Elofordulas(Ki, "A ragadozók kitöltik a territóriumot"), 1);
    EXPECT_EQ(Elofordulas(Ki, "A territórium függôleges mérete?"), 2);
    EXPECT_EQ(N, 2);
    EXPECT_EQ(M, 3);
    EXPECT_EQ(Ra0, 5);
    EXPECT_EQ(Zs0, 1);
}

TEST(Elrendezes, InformationFieldsAndWindowsOn640x480)
{
    FrissFelulet();
    N = 100, M = 120, Ra0 = 50, Zs0 = 60, RaDb = ZsDb = 0;
    RaSz = 0.5, RaH = 0.1, ZsSz = 0.25, ZsH = 0.05;
    UzemMod = LEPESENKENTI;
    AblakokLetrehozasa();
    std::string Mezok;
    for (int I = 1; I <= KarAblak.AdatDb; ++I)
        Mezok += std::string(std::string_view(KarAblak.Adatok[I].Nev)) + ":" + std::string(std::string_view(KarAblak.Adatok[I].Ert)) + " ";
    EXPECT_EQ(Mezok, std::string("Üzemmód"_cp) + ":Lepesenkenti N:100 M:120 Ra0:50 Zs0:60 RaSz:0.50 RaH:0.10 ZsSz:0.25 ZsH:0.05 RaDb:0 ZsDb:0 ");
    const auto Sarkok = [](const auto& A) { return std::to_string(A.BFX) + "," + std::to_string(A.BFY) + "-" + std::to_string(A.JAX) + "," + std::to_string(A.JAY); };
    EXPECT_EQ(Sarkok(TerAblak), "9,19-209,239");
    EXPECT_EQ(Sarkok(XYDiag), "214,19-424,239");
    EXPECT_EQ(Sarkok(KarAblak), "429,19-629,239");
    EXPECT_EQ(Sarkok(Graf1), "9,249-314,459");
    EXPECT_EQ(Sarkok(Graf2), "324,249-629,459");
    EXPECT_EQ(std::string_view(XYDiag.Cim), "XY-diagram (200)");
    EXPECT_EQ(std::string_view(Graf1.Cim), std::string_view("Ragadozók száma (200 idöegységenként)"_cp));
    EXPECT_EQ(std::string_view(Graf2.Cim), std::string_view("Zsákmányok száma (200 idöegységenként)"_cp));
    EXPECT_EQ(std::string_view(TerAblak.Cim), std::string_view("Reakciótér"_cp));
    EXPECT_EQ(XYDiag.AdatDb, 1);
    EXPECT_EQ(XYDiag.SzinValt, 20);
    EXPECT_EQ(Graf1.AdatDb, 0);
}

void Felallitas(TDarab Sorok, TDarab Oszlopok, TDarab Ragadozok, TDarab Zsakmanyok)
{
    N = Sorok, M = Oszlopok, Ra0 = Ragadozok, Zs0 = Zsakmanyok;
    VeletlenUjrakezdes();
    ReaterFelallitas();
}

TEST(ReaterFelallitas, SameEntriesGiveThePinnedTerritory)
{
    Felallitas(4, 5, 3, 4);
    const std::string Elso = Terkep(7, 8);
    // The first predator: column Random(5) + 1 = 5, then row Random(4) + 1 = 1.
    EXPECT_EQ(Elso,
              "#######.\n"
              "#.Z..R#.\n"
              "#...Z.#.\n"
              "#Z....#.\n"
              "#R.Z.R#.\n"
              "#######.\n"
              "........\n");
    Felallitas(4, 5, 3, 4);
    EXPECT_EQ(Terkep(7, 8), Elso);
}

TEST(ReaterFelallitas, StartingCountsInsideACompleteWallRing)
{
    struct Eset {
        TDarab N, M, Ra0, Zs0;
    };
    const Eset Esetek[] = {{1, 2, 1, 1}, {3, 7, 10, 11}, {250, 250, 100, 200}, {250, 1, 5, 245}, {17, 250, 4000, 250}};
    for (const Eset& E : Esetek) {
        Felallitas(E.N, E.M, E.Ra0, E.Zs0);
        int Ragadozok = 0, Zsakmanyok = 0, Uresek = 0;
        for (int I = 0; I <= MAXN + 1; ++I)
            for (int J = 0; J <= MAXM + 1; ++J) {
                const bool Gyuru = (I == 0 || I == E.N + 1) ? J <= E.M + 1 : (I <= E.N && (J == 0 || J == E.M + 1));
                const bool Belul = I >= 1 && I <= E.N && J >= 1 && J <= E.M;
                const TCella C = Reater[I][J];
                if (Gyuru) {
                    ASSERT_EQ(C, FAL) << I << "," << J;
                } else if (!Belul) {
                    ASSERT_EQ(C, URES) << I << "," << J;
                } else {
                    Ragadozok += C == RAGADOZO, Zsakmanyok += C == ZSAKMANY, Uresek += C == URES;
                }
            }
        EXPECT_EQ(Ragadozok, E.Ra0);
        EXPECT_EQ(Zsakmanyok, E.Zs0);
        EXPECT_EQ(Uresek, E.N * E.M - E.Ra0 - E.Zs0);
        EXPECT_EQ(RaDb, E.Ra0);
        EXPECT_EQ(ZsDb, E.Zs0);
        EXPECT_EQ(RaAtl, 200.0 * E.Ra0);
        EXPECT_EQ(ZsAtl, 200.0 * E.Zs0);
    }
}

}  // namespace
