// The window toolkit on framebuffers: coordinates, the screen frame, and the four kinds of windows.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <random>

#include "AblakokBio.h"
#include "konzol.h"
#include "rajz.h"

namespace {

class Ablakok : public ::testing::Test {
protected:
    void SetUp() override
    {
        FrissFelulet();
        UzemMod = LEPESENKENTI;
    }
};

// What the given drawing leaves on a fresh surface of the current size.
template <typename TRajz>
std::vector<uint8_t> Elvart(TRajz Rajz)
{
    const auto Mentes = Pillanatkep();
    FrissFelulet(GetMaxX() + 1, GetMaxY() + 1);
    Rajz();
    auto Eredmeny = Pillanatkep();
    std::copy(Mentes.begin(), Mentes.end(), const_cast<uint8_t*>(Kepkocka()));
    return Eredmeny;
}

TEST_F(Ablakok, DesignCoordinatesTruncateTowardZero)
{
    const int Xek[][2] = {{0, 0}, {10, 9}, {210, 209}, {430, 429}, {630, 629}, {640, 639}, {-1, 0}};
    for (const auto& P : Xek) EXPECT_EQ(TP2FP_X(int16_t(P[0])), P[1]) << P[0];
    const int Yok[][2] = {{20, 19}, {240, 239}, {250, 249}, {460, 459}, {480, 479}};
    for (const auto& P : Yok) EXPECT_EQ(TP2FP_Y(int16_t(P[0])), P[1]) << P[0];
    FrissFelulet(800, 600);
    EXPECT_EQ(TP2FP_X(10), 12);
    EXPECT_EQ(TP2FP_X(-1), -1);
    EXPECT_EQ(TP2FP_Y(250), 311);
}

TEST_F(Ablakok, MainTimeDisplay)
{
    FoIdoKiiras(0);
    EXPECT_EQ(Pillanatkep(), Elvart([] {
                  Rectangle(537, 2, 636, 13);
                  OutTextXY(539, 4, " T:    0");
              }));
    FoIdoKiiras(123456);  // the field widens, nothing is cut
    EXPECT_EQ(Pillanatkep(), Elvart([] {
                  Rectangle(537, 2, 636, 13);
                  OutTextXY(539, 4, " T:123456");
              }));
}

TEST_F(Ablakok, ConstantPartsOfTheScreen)
{
    for (const std::string_view Fejlec : {std::string_view(" Vadonles "), std::string_view()}) {
        FrissFelulet();
        GrafikusKepernyoAllandoReszei(Fejlec);
        const int G = int(Fejlec.size()) * 8;
        const int Bal = 319 - G / 2 - 8;  // the header box from Bal to 319 + G / 2 + 7
        EXPECT_EQ(Pillanatkep(), Elvart([&] {
                      SetLineStyle(FOLYTONOS_VONAL, 0, VASTAG_VONAL);
                      Rectangle(6, 6, 634, 474);
                      SetFillStyle(URES_KITOLTES, 0);
                      Bar(Bal, 0, 319 + G / 2 + 7, 15);
                      Rectangle(Bal + 4, 2, Bal + G + 9, 13);
                      SetTextJustify(KOZEPRE_IGAZIT, FELULRE_IGAZIT);
                      OutTextXY(Bal + (G + 15) / 2, 4, Fejlec);
                      Bar(535, 0, 639, 15);
                      Rectangle(537, 2, 636, 13);
                      SetTextJustify(BALRA_IGAZIT, FELULRE_IGAZIT);
                      OutTextXY(539, 4, " T:    0");
                      Bar(75, 465, 562, 479);  // the help line: 59 characters, 472 pixels
                      Rectangle(77, 467, 556, 478);
                      OutTextXY(82, 469, HELPSOR);
                  })) << '"' << Fejlec << '"';
    }
    // Left-top justification and thick lines stay behind.
    FrissFelulet();
    GrafikusKepernyoAllandoReszei("");
    SetViewPort(0, 0, 639, 479, true);
    Rectangle(100, 100, 110, 110);
    OutTextXY(200, 200, "x");
    EXPECT_EQ(KepPont(99, 100), 15);
    EXPECT_FALSE(Ures(200, 200, 207, 207));
}

// The cell viewport of a territory window, as the surface sees it: where column 0 and row 0 of the grid land.
TEST_F(Ablakok, TerritoryViewport)
{
    TReater Reater;
    for (auto& Sor : Reater)
        for (TCella& C : Sor) C = FAL;
    struct Eset {
        uint16_t BFX, BFY, JAX, JAY;
        int16_t N, M;
        int Bal, Felso;
    };
    const Eset Esetek[] = {
        {9, 19, 342, 400, 1, 250, 50, 0},    // BFX + JAX = 351
        {10, 19, 342, 400, 1, 250, 51, 0},   // 352
        {9, 19, 208, 239, 1, 0, 108, 0},     // BFX + JAX - M = 217, odd
        {9, 19, 209, 239, 100, 100, 0, 88},  // rows 0..101 at 88..189
    };
    for (const Eset& E : Esetek) {
        FrissFelulet();
        TAblak A;
        ReaAblakLetrehozas(A, E.BFX, E.BFY, E.JAX, E.JAY, "", 15);
        ReaterUjraRajzol(A, Reater, E.N, E.M, 0);
        const int Y1 = 32 + (E.JAY - E.BFY - 8) / 2 - E.N / 2;
        const int X1 = (E.BFX + E.JAX - E.M) / 2;
        if (E.Bal) {
            EXPECT_EQ(X1, E.Bal);
        }
        if (E.Felso) {
            EXPECT_EQ(Y1, E.Felso);
        }
        EXPECT_EQ(KepPont(X1, Y1), FSZIN);
        EXPECT_EQ(KepPont(X1 - 1, Y1), 0);
        EXPECT_EQ(KepPont(X1 + E.M + 1, Y1 + E.N + 1), FSZIN);
        EXPECT_EQ(KepPont(X1 + E.M + 2, Y1), 0) << "the viewport is M + 2 pixels wide";
        EXPECT_EQ(KepPont(X1, Y1 + E.N + 2), 0);
    }
}

TEST_F(Ablakok, OneCellTerritoryInItsWallRing)
{
    TReater Reater;
    for (auto& Sor : Reater)
        for (TCella& C : Sor) C = URES;
    for (int I = 0; I <= 2; ++I)
        for (int J = 0; J <= 2; ++J) Reater[I][J] = FAL;
    Reater[1][1] = RAGADOZO;
    TAblak A;
    ReaAblakLetrehozas(A, 9, 19, 209, 239, "Territórium"_cp, 15);
    EXPECT_EQ(std::string_view(A.Cim), std::string_view("Reakciótér"_cp));
    UzemMod = CSENDES;
    ReaterUjraRajzol(A, Reater, 1, 1, 0);
    EXPECT_EQ(UzemMod, CSENDES);
    const int X1 = (9 + 209 - 1) / 2, Y1 = 32 + (239 - 19 - 8) / 2;
    for (int I = 0; I <= 2; ++I)
        for (int J = 0; J <= 2; ++J) EXPECT_EQ(KepPont(X1 + J, Y1 + I), I == 1 && J == 1 ? RASZIN : FSZIN);
    const auto Utana = Pillanatkep();
    ReszecskeRajzolas(A, 1, 1, 1, 1, ZSAKMANY);  // quiet mode: nothing
    EXPECT_EQ(Pillanatkep(), Utana);
}

// The whole grid drawn row by row writes exactly the pixels of drawing it cell by cell, refused viewports
// and rows clipped below the window included.
TEST_F(Ablakok, WholeGridEqualsCellByCell)
{
    std::mt19937 Veletlen(7);
    const auto Kozott = [&](int A, int B) { return int(Veletlen() % uint32_t(B - A + 1)) + A; };
    static TReater Reater;
    for (int Kor = 0; Kor < 60; ++Kor) {
        for (auto& Sor : Reater)
            for (TCella& C : Sor) C = TCella(Veletlen() % 4);
        const int16_t N = int16_t(Kozott(1, 250)), M = int16_t(Kozott(1, 250));
        TAblak A;
        const uint16_t BFX = uint16_t(Kozott(0, 400)), BFY = uint16_t(Kozott(0, 300));
        ReaAblakLetrehozas(A, BFX, BFY, uint16_t(BFX + Kozott(0, 400)), uint16_t(std::min(479, BFY + Kozott(0, 300))), "", 15);
        if (Kor % 10 == 0) A.JAY = 600;  // a viewport the surface refuses
        FrissFelulet();
        ReaterUjraRajzol(A, Reater, N, M, Kor);
        const auto Egyben = Pillanatkep();
        FrissFelulet();
        ReaIdoKiiras(A, Kor);
        for (int16_t I = 0; I <= N + 1; ++I)
            for (int16_t J = 0; J <= M + 1; ++J) ReszecskeRajzolas(A, N, M, I, J, Reater[I][J]);
        ASSERT_EQ(Pillanatkep(), Egyben) << "round " << Kor;
    }
}

TEST_F(Ablakok, InformationWindow)
{
    TKarAblak K;
    KarAblakLetrehozas(K, 429, 19, 629, 239, "Információk"_cp, 15);
    for (int I = 1; I <= 11; ++I) KarAblakUjMezo(K, I == 11 ? "ZsDb" : "N", "12345");
    KarAblakRajzolas(K);
    EXPECT_FALSE(Ures(429, 27, 629, 34)) << "the title at y 27";
    EXPECT_TRUE(Ures(440, 20, 620, 26));
    EXPECT_TRUE(Ures(439, 39, 520, 39));
    EXPECT_FALSE(Ures(439, 40, 520, 47)) << "field 1 at y 40";
    EXPECT_TRUE(Ures(439, 169, 520, 169));
    EXPECT_FALSE(Ures(439, 170, 520, 177)) << "field 11 at y 170";
    EXPECT_TRUE(Ures(431, 178, 627, 237));
    // A shorter value leaves nothing of the longer one.
    KarAblakUjErtek(K, "ZsDb", "7");
    KarAblakRajzolas(K);
    const std::string Ujra = Kep(439, 170, 619, 182);
    FrissFelulet();
    OutTextXY(439, 170, "ZsDb:7");
    EXPECT_EQ(Kep(439, 170, 619, 182), Ujra);
    // Two fields of the same name: the first takes the value.
    KarAblakUjErtek(K, "N", "1");
    EXPECT_EQ(std::string_view(K.Adatok[1].Ert), "1");
    EXPECT_EQ(std::string_view(K.Adatok[2].Ert), "12345");
}

TEST_F(Ablakok, InformationWindowTimeErasesTheTitlesLeftPart)
{
    TKarAblak K;
    KarAblakLetrehozas(K, 100, 19, 300, 239, "Információk"_cp, 15);  // title from 156 to 243
    KarAblakRajzolas(K);
    const std::string Jobbra = Kep(233, 27, 243, 34);
    KarIdoKiiras(K, 5);
    EXPECT_TRUE(Ures(134, 27, 232, 34));
    EXPECT_EQ(Kep(233, 27, 243, 34), Jobbra);
    EXPECT_FALSE(Ures(102, 27, 133, 34)) << "the time itself";
}

TEST_F(Ablakok, FullInformationWindowStillTakesValues)
{
    TKarAblak K;
    KarAblakLetrehozas(K, 0, 0, 200, 200, "", 15);
    for (int I = 1; I <= MAXMDB; ++I) KarAblakUjMezo(K, std::to_string(I), "");
    KarAblakUjErtek(K, "15", "utolso");
    EXPECT_EQ(std::string_view(K.Adatok[15].Ert), "utolso");
}

TEST_F(Ablakok, TooManyFieldsAndUnknownNamesEndTheProgram)
{
    TKarAblak K;
    KarAblakLetrehozas(K, 0, 0, 200, 200, "", 15);
    for (int I = 1; I <= MAXMDB; ++I) KarAblakUjMezo(K, "N", "0");
    EXPECT_EXIT(
        {
            KonzolFolyamInditas(STDIN_FILENO, STDERR_FILENO);
            KarAblakUjMezo(K, "Tizenhatodik", "0");
        },
        ::testing::ExitedWithCode(1), "Túl sok mező \\(Tizenhatodik nevű\\) az egyik KarAblak-ban!");
    EXPECT_EQ(K.AdatDb, MAXMDB);
    KarAblakLetrehozas(K, 0, 0, 200, 200, "", 15);
    KarAblakUjMezo(K, "RaDb", "0");
    EXPECT_EXIT(
        {
            KonzolFolyamInditas(STDIN_FILENO, STDERR_FILENO);
            KarAblakUjErtek(K, "radb", "1");
        },
        ::testing::ExitedWithCode(2), "Nem létező \\(radb nevű\\) mező az egyik KarAblak-ban!");
}

class Hisztogram : public Ablakok {
protected:
    THisztAblak Graf;
    void SetUp() override
    {
        Ablakok::SetUp();
        AblakLetrehozas(Graf, 9, 249, 314, 459, "Ragadozók"_cp, 0, 1.0, 15);
    }
};

TEST_F(Hisztogram, TooLargeAWindowShowsTheErrorPageAndEnds)
{
    // On a 2000 x 1500 surface the predator histogram's area needs 953 * 649 * 2 + 12 bytes.
    FrissFelulet(2000, 1500);
    EXPECT_EXIT(
        {
            KonzolFolyamInditas(open("/dev/null", O_RDONLY), STDERR_FILENO);
            KepMod = SZOVEGES;
            AblakLetrehozas(Graf, uint16_t(TP2FP_X(10)), uint16_t(TP2FP_Y(250)), uint16_t(TP2FP_X(315)), uint16_t(TP2FP_Y(460)), "", 0, 1, 15);
        },
        ::testing::ExitedWithCode(1), "Hibaüzenet!.*Sajnos kicsi.*puffMeret.*\n1237006\n.*Lapozhatunk");
}

TEST_F(Hisztogram, SizeCheckOfTheMovingArea)
{
    EXPECT_EQ(HisztogramMozgatoPufferMerete(Graf), 124248);
    Graf.BFY = 0, Graf.JAY = 7, Graf.BFX = 0, Graf.JAX = 0;
    EXPECT_EQ(HisztogramMozgatoPufferMerete(Graf), 12) << "an area of no rows";
}

TEST_F(Hisztogram, BarsOfThreeValues)
{
    for (const uint16_t V : {10, 40, 20}) IdoDiagram(V, Graf, 0);
    EXPECT_EQ(Graf.Leptek, 4.75);
    const struct {
        int Bal, Jobb, Teto;
    } Oszlopok[] = {{11, 86, 410}, {87, 162, 267}, {163, 238, 362}};
    for (const auto& O : Oszlopok) {
        EXPECT_EQ(KepPont(O.Bal, 457), 15);
        EXPECT_EQ(KepPont(O.Jobb, 457), 15);
        EXPECT_EQ(KepPont(O.Bal, O.Teto), 15);
        EXPECT_EQ(KepPont(O.Bal, O.Teto - 1), 0);
        EXPECT_EQ(KepPont(O.Jobb, 458), 0) << "the foot is row 457";
    }
    EXPECT_EQ(KepPont(239, 457), 0);
}

TEST_F(Hisztogram, EmptySeriesAndTheMovingWindow)
{
    SetFillStyle(TELI_KITOLTES, 15);
    Bar(11, 267, 312, 457);
    TeljesGrafikon(Graf);
    EXPECT_TRUE(Ures(11, 267, 312, 457)) << "erased, no bar";
    EXPECT_EQ(Graf.Leptek, 190);
    for (int I = 1; I <= 302; ++I) IdoDiagram(uint16_t(I), Graf, I);
    EXPECT_EQ(Graf.AdatDb, 301);
    EXPECT_EQ(Graf.Adatok[0], 2) << "the 302nd value dropped the first";
    EXPECT_EQ(Graf.Adatok[300], 302);
    const int Osz = 305 / 302;
    EXPECT_EQ(KepPont(11 + 300 * Osz, 457), 15);
    EXPECT_EQ(KepPont(11 + 301 * Osz, 457), 0);
}

TEST_F(Hisztogram, QuietModeStoresWithoutDrawing)
{
    UzemMod = CSENDES;
    const auto Elotte = Pillanatkep();
    IdoDiagram(30, Graf, 4800);
    EXPECT_EQ(Pillanatkep(), Elotte);
    EXPECT_EQ(Graf.AdatDb, 1);
    EXPECT_EQ(Graf.Adatok[0], 30);
}

TEST_F(Hisztogram, NarrowWindowShowsNoBars)
{
    AblakLetrehozas(Graf, 9, 249, 200, 459, "", 0, 1.0, 15);
    for (int I = 0; I < 250; ++I) IdoDiagram(5, Graf, I);
    EXPECT_TRUE(Ures(11, 267, 198, 457));
}

TEST_F(Ablakok, XyDiagram)
{
    TXYAblak XY;
    XYAblakLetrehozas(XY, 214, 19, 424, 239, "XY", 1, 20, 15, 2, 14);
    EXPECT_EQ(XY.Leptek, 192);
    XYRajzol(0.25, 0.5, XY, 0);
    EXPECT_EQ(KepPont(267, 140), 2);
    XYRajzol(0, 0, XY, 200);
    EXPECT_EQ(KepPont(219, 236), 2) << "the origin";
    EXPECT_EQ(XY.AdatDb, 3);
    // Points 19, 20 and 40 in their colours: green, yellow, green.
    for (int K = 3; K <= 40; ++K) {
        XYRajzol(K / 100.0, 0.9, XY, K * 200);
        const int Szin = KepPont(219 + int(std::lrint(K / 100.0 * 192)), 236 - int(std::lrint(0.9 * 192)));
        if (K == 19 || K == 40) {
            EXPECT_EQ(Szin, 2) << K;
        }
        if (K == 20 || K == 39) {
            EXPECT_EQ(Szin, 14) << K;
        }
    }
}

TEST_F(Ablakok, XyScaleAndHalvesToEven)
{
    TXYAblak XY;
    XYAblakLetrehozas(XY, 0, 0, 14, 100, "", 0, 20, 15, 2, 14);  // A = 4, B = 72
    EXPECT_EQ(XY.Leptek, 4);
    XYRajzol(0.625, 0.875, XY, 0);  // 2.5 and 3.5
    EXPECT_EQ(KepPont(5 + 2, 97 - 4), 2);
    XYAblakLetrehozas(XY, 0, 0, 160, 222, "", 0, 20, 15, 2, 14);  // A = 150, B = 194
    EXPECT_EQ(XY.Leptek, 150);
    XYAblakLetrehozas(XY, 0, 0, 38, 56, "", 0, 20, 15, 2, 14);  // A = B = 28
    EXPECT_EQ(XY.Leptek, 28);
    // Points 1..301 fill the slots; the 302nd drops the first.
    XYAblakLetrehozas(XY, 0, 0, 200, 200, "", 1, 20, 15, 2, 14);
    for (int K = 1; K <= 302; ++K) XYRajzol(K / 1000.0, 0, XY, 0);
    EXPECT_EQ(XY.AdatDb, 301);
    EXPECT_EQ(XY.Adatok[0].X, 0.002);
    EXPECT_EQ(XY.Adatok[300].X, 0.302);
    EXPECT_EQ(XY.KP, 302);
}

TEST_F(Ablakok, MainScreenGeometryOn800x600)
{
    FrissFelulet(800, 600);
    THisztAblak Graf;
    // The lower row: (10, 250)-(315, 460) and (325, 250)-(630, 460) in design coordinates.
    AblakLetrehozas(Graf, uint16_t(TP2FP_X(10)), uint16_t(TP2FP_Y(250)), uint16_t(TP2FP_X(315)), uint16_t(TP2FP_Y(460)), "", 0, 1, 15);
    EXPECT_EQ(Graf.BFX, 12);
    EXPECT_EQ(Graf.BFY, 311);
    EXPECT_EQ(Graf.JAX, 393);
    EXPECT_EQ(Graf.JAY, 574);
    EXPECT_EQ(HisztogramMozgatoPufferMerete(Graf), 382 * 256 * 2 + 12);
    TXYAblak XY;
    XYAblakLetrehozas(XY, uint16_t(TP2FP_X(215)), uint16_t(TP2FP_Y(20)), uint16_t(TP2FP_X(425)), uint16_t(TP2FP_Y(240)), "", 1, 20, 15, 2, 14);
    EXPECT_EQ(XY.Leptek, std::min(530 - 268 - 10, 299 - 24 - 8 - 20));
    FoIdoKiiras(0);
    EXPECT_EQ(KepPont(800 - 1 - 96 - 8 + 2, 2), 15) << "the time box's left edge at MX - L - 6";
}

}  // namespace
