// Speed of the population step alone on a 250 x 250 territory, in time units per second.
#include <benchmark/benchmark.h>

#include "Vadonles.h"
#include "veletlen.h"

namespace {

void Indulas(TDarab Ragadozok, TDarab Zsakmanyok)
{
    N = MAXN, M = MAXM, Ra0 = Ragadozok, Zs0 = Zsakmanyok;
    RaSz = 0.5, RaH = 0.1, ZsSz = 0.3, ZsH = 0.05;
    VeletlenUjrakezdes();
    ReaterFelallitas();
}

// Arguments: the starting predators and prey; a run that dies out starts again, untimed.
void SzimulaciosLepesBench(benchmark::State& Allapot)
{
    const auto Ragadozok = static_cast<TDarab>(Allapot.range(0)), Zsakmanyok = static_cast<TDarab>(Allapot.range(1));
    Indulas(Ragadozok, Zsakmanyok);
    for (auto _ : Allapot) {
        SzimulaciosLepes();
        if (VegAllapot()) {
            Allapot.PauseTiming();
            Indulas(Ragadozok, Zsakmanyok);
            Allapot.ResumeTiming();
        }
    }
    Allapot.SetItemsProcessed(Allapot.iterations());
    Allapot.counters["RaDb"] = RaDb;
    Allapot.counters["ZsDb"] = ZsDb;
}

BENCHMARK(SzimulaciosLepesBench)->Args({5000, 20000})->Args({200, 800})->Args({30000, 30000});

}  // namespace
