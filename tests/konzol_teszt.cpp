// The console: the model's window, cursor, wrap and scroll, and the stream form's keys, lines and output.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "bemenet.h"
#include "kilepes.h"
#include "konzol.h"
#include "szoveg.h"

namespace {

std::string Sor(const TKonzolModell& K, int Y, int X1 = 1, int X2 = KONZOL_SZEL)
{
    std::string S;
    for (int X = X1; X <= X2; ++X) S += K.Cellak[Y - 1][X - 1].Kar;
    return S;
}

TKonzolModell UjModell()
{
    TKonzolModell K;
    ModellAlaphelyzet(K);
    return K;
}

TEST(KonzolModell, WindowConfinesOutputAndPutsTheCursorAtItsCorner)
{
    TKonzolModell K = UjModell();
    ModellWindow(K, 3, 3, 78, 23);
    EXPECT_EQ(ModellWhereX(K), 1);
    EXPECT_EQ(ModellWhereY(K), 1);
    ModellKiiras(K, "ab");
    EXPECT_EQ(Sor(K, 3, 1, 6), "  ab  ");
    ModellGotoXY(K, 76, 21);
    EXPECT_EQ(K.X, 78);
    EXPECT_EQ(K.Y, 23);
    ModellGotoXY(K, 77, 1);  // outside the window: ignored
    EXPECT_EQ(ModellWhereX(K), 76);
    EXPECT_EQ(ModellWhereY(K), 21);
    ModellWindow(K, 0, 1, 80, 25);  // outside the screen: ignored
    EXPECT_EQ(K.WX1, 3);
}

TEST(KonzolModell, OutputWrapsAtTheRightEdgeAndScrollsOnlyTheWindow)
{
    TKonzolModell K = UjModell();
    ModellKiiras(K, "keret");
    ModellWindow(K, 2, 2, 5, 3);
    ModellKiiras(K, "abcdef");
    EXPECT_EQ(Sor(K, 2, 1, 6), " abcd ");
    EXPECT_EQ(Sor(K, 3, 1, 6), " ef   ");
    ModellKiiras(K, "\r\nxy");  // past the bottom: the window scrolls up
    EXPECT_EQ(Sor(K, 2, 1, 6), " ef   ");
    EXPECT_EQ(Sor(K, 3, 1, 6), " xy   ");
    EXPECT_EQ(Sor(K, 1, 1, 6), "keret ") << "rows outside the window stay";
    ModellClrScr(K);
    EXPECT_EQ(Sor(K, 2, 1, 6), "      ");
    EXPECT_EQ(Sor(K, 1, 1, 6), "keret ");
}

TEST(KonzolModell, BrightTextIsKeptPerCell)
{
    TKonzolModell K = UjModell();
    K.Fenyes = true;
    ModellKiiras(K, "a");
    K.Fenyes = false;
    ModellKiiras(K, "b");
    EXPECT_TRUE(K.Cellak[0][0].Fenyes);
    EXPECT_FALSE(K.Cellak[0][1].Fenyes);
}

class Folyam : public ::testing::Test {
protected:
    std::unique_ptr<TFolyamKonzol> Konzol;
    void Indit(const std::string& Bemenet) { Konzol = std::make_unique<TFolyamKonzol>(Bemenet); }
    std::string Kimenet() { return Konzol->Kimenet(); }
};

TEST_F(Folyam, KeysComeInOrderAndTheEndOfInputGivesBlanks)
{
    Indit("ab\nc");
    std::string Kulcsok;
    for (int I = 0; I < 5; ++I) Kulcsok += ReadKey();
    EXPECT_EQ(Kulcsok, "abc  ");
    EXPECT_TRUE(KeyPressed()) << "at the end of the input a key is always there, a blank";
}

TEST_F(Folyam, AKeyMayStandOnALineOfItsOwn)
{
    Indit("x\n12\nab\r\n");
    EXPECT_EQ(ReadKey(), 'x');
    int64_t Ertek = 0;
    ReadLn(Ertek);
    EXPECT_EQ(IOResult(), 0);
    EXPECT_EQ(Ertek, 12);
    EXPECT_EQ(ReadKey(), 'a');
    EXPECT_EQ(ReadKey(), 'b');
    EXPECT_EQ(ReadKey(), ' ');
}

TEST_F(Folyam, LinesAreReadAsNumbersAndEchoed)
{
    Indit("12 rest\nabc\n0.25\r\n");
    int64_t Egesz = 0;
    double Valos = 0;
    ReadLn(Egesz);
    EXPECT_EQ(IOResult(), 0);
    EXPECT_EQ(Egesz, 12);
    ReadLn(Egesz);
    EXPECT_NE(IOResult(), 0);
    EXPECT_EQ(IOResult(), 0) << "reading the flag clears it";
    ReadLn(Valos);
    EXPECT_EQ(IOResult(), 0);
    EXPECT_EQ(Valos, 0.25);
    EXPECT_EQ(Kimenet(), "12 rest\nabc\n0.25\n");
}

TEST_F(Folyam, OutputIsUtf8WithoutCarriageReturns)
{
    Indit("");
    Write("Üzemmód: "_cp);
    Write(int64_t{20}, 3);
    WriteLn();
    Write(int64_t{62500}, 3);
    Write(0.5, 6, 2);
    EXPECT_EQ(Kimenet(), "Üzemmód:  20\n62500  0.50");
}

TEST_F(Folyam, EndOfInputInALineReadEndsTheProgramWithTheIoErrorCode)
{
    EXPECT_EXIT(
        {
            Indit("");
            int64_t Ertek;
            ReadLn(Ertek);
        },
        ::testing::ExitedWithCode(FUTASI_IO_HIBA), "bemenet");
}

}  // namespace
