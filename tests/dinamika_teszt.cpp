// The population dynamics: a pinned trajectory, and each rule at its edges on a small hand-built territory.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>

#include "Tartomany.h"
#include "Vadonles.h"
#include "grafika.h"
#include "veletlen.h"

namespace {

// An empty walled territory of Sorok x Oszlopok, counts and sums at zero, the generator at its start.
void UresReater(TDarab Sorok, TDarab Oszlopok)
{
    N = Sorok, M = Oszlopok, Ra0 = Zs0 = 0;
    ReaterFelallitas();
    RaAtl = ZsAtl = 0;
    VeletlenUjrakezdes();
}

void Tesz(int I, int J, TCella C)
{
    Reater[I][J] = C;
    RaDb += C == RAGADOZO;
    ZsDb += C == ZSAKMANY;
}

// All eight neighbours of (I, J) set to C.
void Korbe(int I, int J, TCella C)
{
    for (int DI = -1; DI <= 1; ++DI)
        for (int DJ = -1; DJ <= 1; ++DJ)
            if (DI || DJ) Tesz(I + DI, J + DJ, C);
}

struct TCellaHely {
    int I, J;
};

// The cell the first draws of the step choose: row Random(N) + 1, then column Random(M) + 1.
TCellaHely ElsoValasztott()
{
    VeletlenUjrakezdes();
    const int I = Random(N) + 1;
    const int J = Random(M) + 1;
    VeletlenUjrakezdes();
    return {I, J};
}

// How many draws the generator has made since its start: the position of its next output.
int HuzasokSzama()
{
    const auto Kovetkezo = static_cast<uint32_t>(Random() * 4294967296.0);
    std::mt19937 Minta;
    for (int K = 0; K < 100000; ++K)
        if (Minta() == Kovetkezo) return K;
    return -1;
}

int Darab(TCella C)
{
    int Db = 0;
    for (int I = 1; I <= N; ++I)
        for (int J = 1; J <= M; ++J) Db += Reater[I][J] == C;
    return Db;
}

std::string Terkep()
{
    std::string S;
    for (int I = 1; I <= N; ++I) {
        for (int J = 1; J <= M; ++J) S += "#RZ."[Reater[I][J]];
        S += '\n';
    }
    return S;
}

void Valoszinusegek(double RaSzuletes, double RaHalal, double ZsSzuletes, double ZsHalal)
{
    RaSz = RaSzuletes, RaH = RaHalal, ZsSz = ZsSzuletes, ZsH = ZsHalal;
}

// A whole run from the dialog's entries: the counts at chosen times and at the end.
std::string Palya()
{
    N = 10, M = 12, Ra0 = 15, Zs0 = 40;
    Valoszinusegek(0.5, 0.1, 0.5, 0.05);
    VeletlenUjrakezdes();
    ReaterFelallitas();
    std::string S;
    for (T = 1; !VegAllapot(); ++T) {
        SzimulaciosLepes();
        if (T == 1 || T == 10 || T == 100 || T == 1000 || VegAllapot())
            S += std::to_string(T) + ":" + std::to_string(RaDb) + "/" + std::to_string(ZsDb) + " ";
    }
    return S + "\n" + Terkep();
}

TEST(Dinamika, PinnedTrajectoryRepeatsExactly)
{
    const std::string Elso = Palya();
    EXPECT_EQ(Elso,
              "1:15/40 10:14/44 100:25/47 1000:17/75 3489:0/1 \n"
              "............\n"
              "..Z.........\n"
              "............\n"
              "............\n"
              "............\n"
              "............\n"
              "............\n"
              "............\n"
              "............\n"
              "............\n");
    EXPECT_EQ(Palya(), Elso);
}

TEST(Dinamika, CountsAlwaysEqualTheAnimalCells)
{
    N = 20, M = 30, Ra0 = 60, Zs0 = 200;
    Valoszinusegek(0.6, 0.05, 0.7, 0.02);
    VeletlenUjrakezdes();
    ReaterFelallitas();
    for (int Lepes = 0; Lepes < 5000 && !VegAllapot(); ++Lepes) {
        const double Elotte = RaAtl + ZsAtl;
        SzimulaciosLepes();
        ASSERT_EQ(RaDb, Darab(RAGADOZO)) << Lepes;
        ASSERT_EQ(ZsDb, Darab(ZSAKMANY)) << Lepes;
        ASSERT_EQ(RaAtl + ZsAtl, Elotte + RaDb + ZsDb) << "the counts after the step go into the sums";
    }
}

TEST(Dinamika, PreyDeathProbability)
{
    // Only prey: with ZsH = 1 every step kills the acting animal, with ZsH = 0 none dies.
    for (const double Halal : {1.0, 0.0}) {
        UresReater(5, 5);
        for (int J = 1; J <= 5; ++J) Tesz(3, J, ZSAKMANY);
        Valoszinusegek(0, 0, 0, Halal);
        for (int Lepes = 1; Lepes <= 4; ++Lepes) {
            SzimulaciosLepes();
            EXPECT_EQ(ZsDb, Halal == 1 ? 5 - Lepes : 5);
            EXPECT_EQ(Darab(ZSAKMANY), ZsDb);
        }
    }
}

// A fixture for a step on a 9 x 9 territory whose prey animal, ringed by prey, searches in vain for an empty
// cell and meets the offset (0, 0) among its 18 tries. The acting cell is put where the generator's choice
// lands after K attempts on empty cells, so that the tries fall on draws that hold a (0, 0).
struct TKeresesiEset {
    TCellaHely Hely;
    int Probalkozasok;
};

TKeresesiEset NullaEltolassal()
{
    const auto Harmad = [](std::mt19937& G) { return int((uint64_t(G()) * 3) >> 32) - 1; };
    const auto Kilenced = [](std::mt19937& G) { return int((uint64_t(G()) * 9) >> 32) + 1; };
    for (int K = 0;; ++K) {
        std::mt19937 G;
        TCellaHely Cellak[64];
        for (int A = 0; A <= K; ++A) {
            Cellak[A].I = Kilenced(G);
            Cellak[A].J = Kilenced(G);
        }
        const TCellaHely C = Cellak[K];
        bool Jo = C.I >= 2 && C.I <= 8 && C.J >= 2 && C.J <= 8;
        for (int A = 0; A < K; ++A) Jo = Jo && (std::abs(Cellak[A].I - C.I) > 1 || std::abs(Cellak[A].J - C.J) > 1);
        G.discard(1);  // the death test
        bool Nulla = false;
        for (int Proba = 0; Proba < 18; ++Proba) {
            const int DI = Harmad(G), DJ = Harmad(G);
            Nulla = Nulla || (DI == 0 && DJ == 0);
        }
        if (Jo && Nulla) return {C, K + 1};
    }
}

TEST(Dinamika, AFailedSearchMakesEighteenTriesAndNoBirthDraw)
{
    const TKeresesiEset E = NullaEltolassal();
    UresReater(9, 9);
    Tesz(E.Hely.I, E.Hely.J, ZSAKMANY);
    Korbe(E.Hely.I, E.Hely.J, ZSAKMANY);
    Valoszinusegek(0, 0, 1, 0);
    SzimulaciosLepes();
    EXPECT_EQ(ZsDb, 9);
    EXPECT_EQ(Darab(ZSAKMANY), 9);
    // The choice, the death test, 18 tries of two draws (the (0, 0) among them used up, not drawn again),
    // and a move that the ring accepts at once; a birth test would be one draw more.
    EXPECT_EQ(HuzasokSzama(), 2 * E.Probalkozasok + 1 + 36 + 2);
}

TEST(Dinamika, PredatorRules)
{
    struct Eset {
        double RaSzuletes, RaHalal;
        bool ZsakmanyKozel;
        TDarab RaDbUtana, ZsDbUtana;
    };
    const Eset Esetek[] = {
        {0, 0, true, 1, 7},   // RaH = 0, prey found: eats, and RaSz = 0 leaves an empty cell
        {1, 0, true, 2, 7},   // RaSz = 1: the caught prey's cell becomes a predator
        {1, 1, true, 0, 8},   // RaH = 1: dies, and the prey found is left alone
        {1, 0, false, 0, 1},  // no prey within reach: dies whatever RaH is
    };
    for (const Eset& E : Esetek) {
        UresReater(9, 9);
        const TCellaHely A = ElsoValasztott();
        Tesz(A.I, A.J, RAGADOZO);
        if (E.ZsakmanyKozel) {
            Korbe(A.I, A.J, ZSAKMANY);
        } else {
            Tesz(A.I > 5 ? 1 : 9, A.J > 5 ? 1 : 9, ZSAKMANY);  // a far corner
        }
        Valoszinusegek(E.RaSzuletes, E.RaHalal, 0, 0);
        SzimulaciosLepes();
        EXPECT_EQ(RaDb, E.RaDbUtana) << E.RaSzuletes << " " << E.RaHalal << " " << E.ZsakmanyKozel;
        EXPECT_EQ(ZsDb, E.ZsDbUtana) << E.RaSzuletes << " " << E.RaHalal << " " << E.ZsakmanyKozel;
        EXPECT_EQ(Darab(RAGADOZO), RaDb);
        EXPECT_EQ(Darab(ZSAKMANY), ZsDb);
    }
}

TEST(Dinamika, TheCellOfADeadAnimalStillMoves)
{
    // A prey animal that dies among eight predators: the move brings a predator into its cell.
    UresReater(9, 9);
    const TCellaHely A = ElsoValasztott();
    Tesz(A.I, A.J, ZSAKMANY);
    Korbe(A.I, A.J, RAGADOZO);
    Valoszinusegek(0, 0, 0, 1);
    SzimulaciosLepes();
    EXPECT_EQ(ZsDb, 0);
    EXPECT_EQ(Reater[A.I][A.J], RAGADOZO);
    EXPECT_EQ(Darab(RAGADOZO), 8);
    EXPECT_EQ(Darab(URES), 81 - 8);
}

TEST(Dinamika, AMoveOntoItselfChangesNothing)
{
    // On a 1 x 1 territory every other offset is a wall, so the move ends with (0, 0).
    UresReater(1, 1);
    Tesz(1, 1, ZSAKMANY);
    Valoszinusegek(0, 0, 1, 0);
    SzimulaciosLepes();
    EXPECT_EQ(Reater[1][1], ZSAKMANY);
    EXPECT_EQ(ZsDb, 1);
    EXPECT_EQ(ZsAtl, 1);
}

TEST(Dinamika, TheStepThatEndsASpeciesStillAddsToTheSums)
{
    // The last predator, alone and far from the prey, dies: the prey count still goes into its sum.
    UresReater(9, 9);
    const TCellaHely A = ElsoValasztott();
    Tesz(A.I, A.J, RAGADOZO);
    Tesz(A.I > 5 ? 1 : 9, A.J > 5 ? 1 : 9, ZSAKMANY);
    Tesz(A.I > 5 ? 2 : 8, A.J > 5 ? 1 : 9, ZSAKMANY);
    Valoszinusegek(0, 0, 0, 0);
    EXPECT_FALSE(VegAllapot());
    SzimulaciosLepes();
    EXPECT_EQ(RaDb, 0);
    EXPECT_EQ(ZsAtl, 2);
    EXPECT_EQ(RaAtl, 0);
    EXPECT_TRUE(VegAllapot());
}

TEST(Tartomany, VadonlesConvertsWithoutChecks)
{
    EXPECT_EQ(Szukit<int16_t>(int32_t{40000}), int16_t(40000 - 65536));
    EXPECT_EQ(&Elem(Reater, 3)[4], &Reater[3][4]);
    GrafikaMeret(800, 600);
    int GD = AUTOMATIKUS_FELISMERES, GM = 0;
    InitGraph(GD, GM, "");
    EXPECT_EQ(TP2FP_X(32767), int16_t(40907 - 65536));
}

TEST(Dinamika, EndStateWhenEitherSpeciesIsGone)
{
    struct Eset {
        TDarab Ra, Zs;
        bool Vege;
    };
    for (const Eset E : {Eset{0, 5, true}, Eset{5, 0, true}, Eset{0, 0, true}, Eset{1, 1, false}}) {
        RaDb = E.Ra, ZsDb = E.Zs;
        EXPECT_EQ(VegAllapot(), E.Vege) << E.Ra << "/" << E.Zs;
    }
}

}  // namespace
