// Key waits in each branch, the framed text page, and the help text page by page, through the stream console.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "AblakokBio.h"
#include "bemenet.h"
#include "rajz.h"

namespace {

std::string KonzolSor(int Y, int X1 = 1, int X2 = KONZOL_SZEL)
{
    std::string S;
    for (int X = X1; X <= X2; ++X) S += KonzolAllapot().Cellak[Y - 1][X - 1].Kar;
    return S;
}

TEST(BillentyureVar, EachBranch)
{
    FrissFelulet();
    struct Eset {
        TKepModok Kep;
        TUzemmodok Elotte;
        const char* Bemenet;
        char Kulcs;
        TUzemmodok Utana;
    };
    const Eset Esetek[] = {
        {GRAFIKUS, NORMAL, "", ' ', NORMAL},                     // nothing waiting: a blank at once
        {GRAFIKUS, CSENDES, "l", 'l', LEPESENKENTI},             // a waiting key is taken without a wait
        {GRAFIKUS, LEPESENKENTI, "x", 'x', LEPESENKENTI},        // any key makes a step
        {GRAFIKUS, LEPESENKENTI, "c", 'c', CSENDES},
        {GRAFIKUS, NORMAL, "V", 'V', VEGE},
        {SZOVEGES, NORMAL, "V", 'V', NORMAL},                    // the text screen never changes the mode
    };
    for (const Eset& E : Esetek) {
        TFolyamKonzol Konzol(E.Bemenet, true);
        KepMod = E.Kep, UzemMod = E.Elotte;
        char C = '?';
        BillentyureVar(C);
        EXPECT_EQ(C, E.Kulcs) << E.Bemenet;
        EXPECT_EQ(UzemMod, E.Utana) << E.Bemenet;
    }
}

TEST(BillentyureVar, TextWaitShowsItsPromptOnTheLastRow)
{
    TFolyamKonzol Konzol("k");
    KepMod = SZOVEGES;
    char C;
    BillentyureVar(C);
    EXPECT_EQ(KonzolSor(25, 35, 47), "Lapozhatunk?\\");
    EXPECT_EQ(Konzol.Kimenet(), "Lapozhatunk?\\");
}

TEST(SzovegesLap, FrameAndHeader)
{
    TFolyamKonzol Konzol("");
    KepMod = GRAFIKUS;
    SzovegesLap("tizenhet betu van");
    EXPECT_EQ(KepMod, SZOVEGES);
    const std::string Arnyek(1, "▓"_cp.Adat[0]);
    EXPECT_EQ(KonzolSor(1, 1, 31), std::string(31, Arnyek[0]));
    EXPECT_EQ(KonzolSor(1, 32, 48), "tizenhet betu van");
    EXPECT_TRUE(KonzolAllapot().Cellak[0][31].Fenyes);
    EXPECT_EQ(KonzolSor(24), std::string(80, Arnyek[0]));
    for (int Y = 2; Y <= 23; ++Y) EXPECT_EQ(KonzolSor(Y, 1, 1) + KonzolSor(Y, 80, 80), Arnyek + Arnyek) << Y;
    EXPECT_EQ(KonzolSor(25), std::string(80, ' '));
    EXPECT_EQ(KonzolAllapot().WX1, 3);
    EXPECT_EQ(KonzolAllapot().WY2, 23);
    EXPECT_EQ(WhereX(), 1);
    EXPECT_EQ(WhereY(), 1);
    SzovegesLap(std::string(79, 'h'));
    EXPECT_EQ(KonzolSor(1), std::string(79, 'h') + Arnyek) << "a header of 79 bytes starts in column 1";
}

class Tajekoztato : public ::testing::Test {
protected:
    std::filesystem::path Fajl = std::filesystem::temp_directory_path() / "vadonles_teszt.hlp";
    void TearDown() override { std::filesystem::remove(Fajl); }

    // Shows a help file of the given lines; gives the console's output.
    std::string Mutat(int Sorok, const std::string& Elso = "")
    {
        {
            std::ofstream Ki(Fajl, std::ios::binary);
            for (int I = 1; I <= Sorok; ++I) Ki << (I == 1 && !Elso.empty() ? Elso : "sor" + std::to_string(I)) << "\r\n";
        }
        TFolyamKonzol Konzol("");
        KepMod = SZOVEGES;
        ::Tajekoztato(" Vadonles ", Fajl.string());
        return Konzol.Kimenet();
    }
};

TEST_F(Tajekoztato, PagesOfNineteenLines)
{
    const struct {
        int Sorok, Lapok;
    } Esetek[] = {{0, 0}, {19, 1}, {20, 2}, {38, 2}};
    for (const auto& E : Esetek) {
        const std::string Ki = Mutat(E.Sorok);
        EXPECT_EQ(Elofordulas(Ki, " Vadonles "), E.Lapok) << E.Sorok;
        EXPECT_EQ(Elofordulas(Ki, "Lapozhatunk?"), E.Lapok) << E.Sorok;
        if (E.Sorok == 20) {
            EXPECT_EQ(KonzolSor(3, 3, 7), "sor20") << "the second page holds the 20th line alone";
            EXPECT_EQ(KonzolSor(4, 3, 7), "     ");
        }
        if (E.Sorok == 38) {
            EXPECT_EQ(KonzolSor(21, 3, 7), "sor38");
        }
    }
}

TEST_F(Tajekoztato, LongLinesAreCutTo255Bytes)
{
    Mutat(2, std::string(250, 'a') + "bcdefghij" + std::string(41, 'z'));
    // 76 columns a row: 255 bytes take three rows and 27 bytes of the fourth.
    EXPECT_EQ(KonzolSor(6, 3, 78), std::string(22, 'a') + "bcdef" + std::string(49, ' '));
    EXPECT_EQ(KonzolSor(7, 3, 6), "sor2");
}

TEST_F(Tajekoztato, MissingFileIsToldInOneBrightLine)
{
    TFolyamKonzol Konzol("");
    KepMod = SZOVEGES;
    Window(1, 1, 80, 25);
    ClrScr();
    ::Tajekoztato(" Vadonles ", "/nincs/ilyen.hlp");
    EXPECT_EQ(KonzolSor(1, 1, 35), std::string("  Nincs meg a tájékoztató fájl!!!  "_cp));
    EXPECT_TRUE(KonzolAllapot().Cellak[0][2].Fenyes);
    EXPECT_EQ(Konzol.Kimenet(), "  Nincs meg a tájékoztató fájl!!!  \nLapozhatunk?\\");
}

}  // namespace
