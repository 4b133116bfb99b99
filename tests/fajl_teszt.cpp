// Text files: opening failures through the flag, CR LF writing, appending, and lines cut to their string.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "fajl.h"
#include "kilepes.h"

namespace {

class Fajl : public ::testing::Test {
protected:
    std::filesystem::path Mappa;
    void SetUp() override
    {
        char Minta[] = "/tmp/vadonles_fajl_XXXXXX";
        Mappa = mkdtemp(Minta);
        IOResult();
    }
    void TearDown() override { std::filesystem::remove_all(Mappa); }
    std::string Ut(const char* Nev) const { return (Mappa / Nev).string(); }
    void Letrehoz(const char* Nev, const std::string& Tartalom) const { std::ofstream(Mappa / Nev, std::ios::binary) << Tartalom; }
    std::string Tartalom(const char* Nev) const
    {
        std::ifstream Be(Mappa / Nev, std::ios::binary);
        return {std::istreambuf_iterator<char>(Be), {}};
    }
};

TEST_F(Fajl, FailedOpensSetTheFlagOnce)
{
    TSzovegFajl F;
    Assign(F, Ut("nincs.hlp"));
    Reset(F);
    EXPECT_NE(IOResult(), 0);
    EXPECT_EQ(IOResult(), 0);
    Assign(F, Ut("nincs/ilyen.csv"));
    Rewrite(F);
    EXPECT_NE(IOResult(), 0);
    Append(F);
    EXPECT_NE(IOResult(), 0);
}

TEST_F(Fajl, WritesEndLinesWithCrLfAndAppendAddsAtTheEnd)
{
    Letrehoz("naplo.csv", "regi tartalom\n");
    TSzovegFajl F;
    Assign(F, Ut("naplo.csv"));
    Rewrite(F);
    ASSERT_EQ(IOResult(), 0);
    Write(F, "RaSz:;");
    Write(F, 0.0625, 5, 3);
    WriteLn(F, ";");
    Close(F);
    Append(F);
    ASSERT_EQ(IOResult(), 0);
    Write(F, int64_t{400}, 0);
    WriteLn(F);
    Close(F);
    EXPECT_EQ(Tartalom("naplo.csv"), "RaSz:;0.063;\r\n400\r\n");
}

TEST_F(Fajl, LinesAreCutToTheirStringAndTheRestIsSkipped)
{
    Letrehoz("sorok.txt", std::string(300, 'x') + "\r\nkovetkezo\nutolso");
    TSzovegFajl F;
    Assign(F, Ut("sorok.txt"));
    Reset(F);
    ASSERT_EQ(IOResult(), 0);
    TSzoveg<255> Sor;
    ReadLn(F, Sor);
    EXPECT_EQ(std::string_view(Sor), std::string(255, 'x'));
    ReadLn(F, Sor);
    EXPECT_EQ(std::string_view(Sor), "kovetkezo");
    EXPECT_FALSE(Eof(F));
    TSzoveg<3> Rovid;
    ReadLn(F, Rovid);
    EXPECT_EQ(std::string_view(Rovid), "uto");
    EXPECT_TRUE(Eof(F));
    Close(F);
}

TEST_F(Fajl, EmptyFileIsAtItsEndAtOnce)
{
    Letrehoz("ures.sum", "");
    TSzovegFajl F;
    Assign(F, Ut("ures.sum"));
    Reset(F);
    EXPECT_EQ(IOResult(), 0);
    EXPECT_TRUE(Eof(F));
}

TEST_F(Fajl, Utf8FilesAreReadAsCp852AndCp852FilesAsTheyAre)
{
    Letrehoz("utf8.hlp", "Zsákmány\n");
    Letrehoz("cp852.hlp", "Zs\xA0km\xA0ny\n");
    for (const char* Nev : {"utf8.hlp", "cp852.hlp"}) {
        TSzovegFajl F;
        Assign(F, Ut(Nev));
        Reset(F);
        TSzoveg<255> Sor;
        ReadLn(F, Sor);
        EXPECT_EQ(std::string_view(Sor), std::string_view("Zsákmány"_cp)) << Nev;
    }
}

TEST_F(Fajl, MisuseAndFailedWritesAreRunTimeErrors)
{
    TSzovegFajl F;
    Assign(F, Ut("zart.csv"));
    EXPECT_EXIT(Write(F, "x"), ::testing::ExitedWithCode(FUTASI_IO_HIBA), "");
    EXPECT_EXIT(Eof(F), ::testing::ExitedWithCode(FUTASI_IO_HIBA), "");
    if (access("/dev/full", W_OK) == 0) {
        Assign(F, "/dev/full");
        Rewrite(F);
        ASSERT_EQ(IOResult(), 0);
        WriteLn(F, "sor");
        EXPECT_EXIT(Close(F), ::testing::ExitedWithCode(FUTASI_IO_HIBA), "");
        std::fclose(F.Irott);
    }
}

}  // namespace
