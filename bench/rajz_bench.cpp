// Speed of the whole-territory redraw on the 800 x 600 surface, beside a plain copy of as many bytes and
// beside drawing cell by cell.
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <vector>

#include "AblakokBio.h"
#include "grafika.h"

namespace {

TReater Reater;
TAblak TerAblak;
constexpr int16_t OLDAL = MAXN;

void Elokeszites()
{
    GrafikaMeret(800, 600);
    int GD = AUTOMATIKUS_FELISMERES, GM = 0;
    InitGraph(GD, GM, "");
    std::mt19937 Veletlen;
    for (auto& Sor : Reater)
        for (TCella& C : Sor) C = TCella(Veletlen() % 4);
    ReaAblakLetrehozas(TerAblak, uint16_t(TP2FP_X(10)), uint16_t(TP2FP_Y(20)), uint16_t(TP2FP_X(210)), uint16_t(TP2FP_Y(240)), "", 15);
    UzemMod = NORMAL;
}

void ReaterUjraRajzolBench(benchmark::State& Allapot)
{
    Elokeszites();
    for (auto _ : Allapot) ReaterUjraRajzol(TerAblak, Reater, OLDAL, OLDAL, 1);
    Allapot.SetBytesProcessed(Allapot.iterations() * (OLDAL + 2) * (OLDAL + 2));
}

void CellankentBench(benchmark::State& Allapot)
{
    Elokeszites();
    for (auto _ : Allapot)
        for (int16_t I = 0; I <= OLDAL + 1; ++I)
            for (int16_t J = 0; J <= OLDAL + 1; ++J) ReszecskeRajzolas(TerAblak, OLDAL, OLDAL, I, J, Reater[I][J]);
    Allapot.SetBytesProcessed(Allapot.iterations() * (OLDAL + 2) * (OLDAL + 2));
}

// The floor: copying the same number of bytes in one piece.
void MasolasBench(benchmark::State& Allapot)
{
    std::vector<uint8_t> Forras(sizeof(TReater), 1), Cel(sizeof(TReater));
    for (auto _ : Allapot) {
        std::memcpy(Cel.data(), Forras.data(), Cel.size());
        benchmark::DoNotOptimize(Cel.data());
        benchmark::ClobberMemory();
    }
    Allapot.SetBytesProcessed(Allapot.iterations() * int64_t(Cel.size()));
}

BENCHMARK(ReaterUjraRajzolBench);
BENCHMARK(CellankentBench);
BENCHMARK(MasolasBench);

}  // namespace
