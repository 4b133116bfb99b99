// Number texts: integers right-aligned and never cut, reals in fixed point rounded half away from zero, and the line reader.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "szamiras.h"

namespace {

TEST(Szamiras, IntegersAreRightAlignedAndNeverCut)
{
    EXPECT_EQ(std::string_view(EgeszStr(20, 3)), " 20");
    EXPECT_EQ(std::string_view(EgeszStr(0, 3)), "  0");
    EXPECT_EQ(std::string_view(EgeszStr(62500, 3)), "62500");
    EXPECT_EQ(std::string_view(EgeszStr(-7, 0)), "-7");
}

TEST(Szamiras, RealsAreFixedPointRoundedHalfAwayFromZero)
{
    struct Eset {
        double Ertek;
        int Szelesseg, Tizedes;
        const char* Szoveg;
    };
    const Eset Esetek[] = {
        {0.5, 0, 2, "0.50"},     {0.0625, 5, 3, "0.063"}, {0.15, 0, 1, "0.2"},        {12.5, 0, 0, "13"},
        {-2.5, 0, 0, "-3"},      {3.5, 5, 2, " 3.50"},    {1, 5, 3, "1.000"},          {0, 5, 3, "0.000"},
        {12.34, 5, 2, "12.34"},  {999.995, 0, 2, "1000.00"}, {-0.001, 0, 2, "0.00"},  {0.5, 7, 5, "0.50000"},
        {32861.52 - 32703.07, 5, 2, "158.45"}, {1e-9, 0, 3, "0.000"}, {123456789.0, 0, 1, "123456789.0"},
    };
    for (const Eset& E : Esetek)
        EXPECT_EQ(std::string_view(ValosStr(E.Ertek, E.Szelesseg, E.Tizedes)), E.Szoveg) << E.Ertek;
}

TEST(Szamiras, IntegerLines)
{
    struct Eset {
        const char* Sor;
        bool Szam;
        int64_t Ertek;
    };
    const Eset Esetek[] = {
        {"4", true, 4}, {"  4  ", true, 4}, {"4 abc", true, 4}, {"+7", true, 7}, {"-1", true, -1},
        {"99999999999999999999999", true, std::numeric_limits<int64_t>::max()},
        {"4abc", false, 0}, {"", false, 0}, {"abc", false, 0}, {"1.5", false, 0}, {"-", false, 0},
    };
    for (const Eset& E : Esetek) {
        int64_t Ertek = 0;
        EXPECT_EQ(EgeszErtelmezes(E.Sor, Ertek), E.Szam) << '"' << E.Sor << '"';
        if (E.Szam) {
            EXPECT_EQ(Ertek, E.Ertek) << '"' << E.Sor << '"';
        }
    }
}

TEST(Szamiras, RealLines)
{
    struct Eset {
        const char* Sor;
        bool Szam;
        double Ertek;
    };
    const Eset Esetek[] = {
        {"0.5", true, 0.5}, {"1", true, 1}, {" -0.1 x", true, -0.1}, {"1e-1", true, 0.1}, {".5", true, 0.5},
        {"2.", true, 2}, {"1E+2", true, 100},
        {"nan", false, 0}, {"inf", false, 0}, {"1,5", false, 0}, {"0x1p-1", false, 0}, {"", false, 0}, {"1e", false, 0},
        {".", false, 0},
    };
    for (const Eset& E : Esetek) {
        double Ertek = 0;
        EXPECT_EQ(ValosErtelmezes(E.Sor, Ertek), E.Szam) << '"' << E.Sor << '"';
        if (E.Szam) {
            EXPECT_DOUBLE_EQ(Ertek, E.Ertek) << '"' << E.Sor << '"';
        }
    }
}

}  // namespace
