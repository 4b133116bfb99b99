// vadonles_frame: its counts are 16 bits wide, so the dialog asks again for what they cannot hold.
#include <gtest/gtest.h>

#include "Vadonles.h"
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

}  // namespace
