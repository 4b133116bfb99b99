// The run log's lines and failures, the run time, and the summary pages made from the template.
#include <gtest/gtest.h>

#include <fcntl.h>

#include <filesystem>
#include <regex>
#include <string>

#include "Vadonles.h"
#include "bemenet.h"
#include "kilepes.h"
#include "munkakonyvtar.h"
#include "rajz.h"
#include "szamiras.h"

namespace {

void Parameterek()
{
    N = 40, M = 50, Ra0 = 50, Zs0 = 400, RaDb = 50, ZsDb = 400;
    RaSz = 0.5, RaH = 0.1, ZsSz = 0.3, ZsH = 0.0625;
    Ora = 9, Perc = 5, MPerc = 3, MPerc100 = 7;
}

TEST(FutasiIdo, ElapsedSecondsAlsoAcrossMidnight)
{
    EXPECT_EQ(std::string_view(ValosStr(FutasiIdo(9, 5, 3, 7, 9, 7, 41, 52), 5, 2)), "158.45");
    EXPECT_EQ(std::string_view(ValosStr(FutasiIdo(23, 59, 59, 50, 0, 0, 1, 25), 5, 2)), " 1.75");
    EXPECT_EQ(std::string_view(ValosStr(FutasiIdo(10, 0, 0, 0, 10, 0, 3, 50), 5, 2)), " 3.50");
}

TEST(Naplo, HeaderPeriodAndClosingLines)
{
    TMunkakonyvtar Munka;
    TFolyamKonzol Konzol("");
    Parameterek();
    NaploKeszites();
    EXPECT_EQ(Munka.Tartalom("Ragadozas_40x50.csv"),
              "Okologia - Ragadozas;\r\n"
              "Kezdesi ido:;9:5:3,7\r\n"
              "N:;40;M:;50;\r\n"
              "Ra0:;50;Zs0:;400;\r\n"
              "RaSz:;0.500;RaH:;0.100;\r\n"
              "ZsSz:;0.300;ZsH:;0.063;\r\n"
              "T;RaDb;ZsDb;RaAtl;ZsAtl;\r\n");
    T = 200, RaDb = 48, ZsDb = 415;
    NaploIdoszakSor(48.5, 412.49);
    T = 401, RaDb = 45, ZsDb = 430, RaAtl = 45, ZsAtl = 430;
    NaploZaroSorok();
    const std::string Naplo = Munka.Tartalom("Ragadozas_40x50.csv");
    EXPECT_NE(Naplo.find("T;RaDb;ZsDb;RaAtl;ZsAtl;\r\n200;48;415;49;412;\r\n401;45;430;45;430;\r\nVeg-ido:;"), std::string::npos);
    EXPECT_TRUE(std::regex_search(Naplo, std::regex("\r\nVeg-ido:;[0-9]+:[0-9]+:[0-9]+,[0-9]+\r\nOssz futasi ido:; *[0-9]+\\.[0-9][0-9];\r\n$")))
        << Naplo;
    EXPECT_EQ(Konzol.Kimenet(), "");
}

TEST(Naplo, AnOldLogOfTheSameSizeIsReplacedOthersAreLeftAlone)
{
    TMunkakonyvtar Munka;
    TFolyamKonzol Konzol("");
    Munka.Fajl("Ragadozas_40x50.csv", "regi\r\n");
    Munka.Fajl("Ragadozas_4x5.csv", "masik\r\n");
    Parameterek();
    NaploKeszites();
    EXPECT_EQ(Munka.Tartalom("Ragadozas_40x50.csv").substr(0, 5), "Okolo");
    EXPECT_EQ(Munka.Tartalom("Ragadozas_4x5.csv"), "masik\r\n");
}

TEST(Naplo, LogThatCannotBeCreatedOrReopenedStopsWithCode9)
{
    TMunkakonyvtar Munka;
    Parameterek();
    std::filesystem::create_directory("Ragadozas_40x50.csv");  // no file can be made where a folder is
    KepMod = SZOVEGES;
    EXPECT_EXIT(
        {
            KonzolFolyamInditas(open("/dev/null", O_RDONLY), STDERR_FILENO);
            NaploKeszites();
        },
        ::testing::ExitedWithCode(9),
        "^A Ragadozas_40x50.csv naplófájl nem nyitható meg.\nLehet, h. másik program használja\\?\nLapozhatunk\\?.$");
    std::filesystem::remove("Ragadozas_40x50.csv");
    NaploKeszites();
    std::filesystem::remove("Ragadozas_40x50.csv");
    std::filesystem::create_directory("Ragadozas_40x50.csv");
    KepMod = GRAFIKUS, UzemMod = NORMAL;
    EXPECT_EXIT(
        {
            KonzolFolyamInditas(open("/dev/null", O_RDONLY), STDERR_FILENO);
            NaploIdoszakSor(1, 1);
        },
        ::testing::ExitedWithCode(9), "^A naplófájlba nem lehet írni.\nLehet, h. másik program használja\\?\n$");
}

class Osszefoglalo : public ::testing::Test {
protected:
    TMunkakonyvtar Munka;
    void SetUp() override
    {
        FrissFelulet();
        T = 401, N = 40, Ra0 = 50, Zs0 = 400;
    }
    // The summary shown after a run ended with the end key; gives the console's output.
    std::string Mutat()
    {
        TFolyamKonzol Konzol("");
        KepMod = GRAFIKUS, UzemMod = VEGE;
        OsszefoglaloMegjelenites();
        return Konzol.Kimenet();
    }
};

TEST_F(Osszefoglalo, PagesOfNineteenTemplateLines)
{
    const struct {
        int Sorok, Lapok;
    } Esetek[] = {{0, 0}, {19, 1}, {20, 2}};
    for (const auto& E : Esetek) {
        std::string Sablon;
        for (int I = 1; I <= E.Sorok; ++I) Sablon += "sor" + std::to_string(I) + "\r\n";
        Munka.Fajl("vadonles.sum", Sablon);
        const std::string Ki = Mutat();
        EXPECT_EQ(Elofordulas(Ki, " Vadonles "), 1 + E.Lapok) << E.Sorok;
        EXPECT_EQ(Elofordulas(Ki, "Lapozhatunk?"), E.Lapok) << E.Sorok;
        EXPECT_NE(Ki.find("Itt a vége fuss el véle!!!!\n"), std::string::npos);
        if (E.Sorok == 20) {
            EXPECT_NE(Ki.find("sor19Lapozhatunk?"), std::string::npos);
        }
    }
}

TEST_F(Osszefoglalo, PlaceholdersAndCuts)
{
    const std::string Hosszu = std::string(85, 'h');
    Munka.Fajl("vadonles.sum", "T=<@T@><@T@>, N=<@N@>, Ra0=<@Ra0@>, Zs0=<@Zs0@>, <@M@>, <@T @>, <@N\n@>\n" + Hosszu +
                                   "\n" + std::string(70, 'y') + "<@T@><@N@>\n");
    T = 1234567;
    const std::string Ki = Mutat();
    EXPECT_NE(Ki.find("T=12345671234567, N=40, Ra0=50, Zs0=400, <@M@>, <@T @>, <@N\n@>\n"), std::string::npos);
    EXPECT_NE(Ki.find("\n" + std::string(80, 'h') + "\n"), std::string::npos) << "cut to 80 bytes on reading";
    // The time pushes the line past 80 bytes: it is cut, and the placeholder cut off is no longer found.
    EXPECT_NE(Ki.find("\n" + std::string(70, 'y') + "1234567<@NLapozhatunk"), std::string::npos);
}

TEST_F(Osszefoglalo, MissingTemplateIsToldInOneBrightLine)
{
    const std::string Ki = Mutat();
    EXPECT_NE(Ki.find("  Nincs meg az összefoglaló fájl!!!  \nLapozhatunk?\\Itt a vége fuss el véle!!!!\n"), std::string::npos);
}

}  // namespace
