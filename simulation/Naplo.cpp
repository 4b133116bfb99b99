// The run log: a semicolon-separated file of the parameters, a line every period, and the run time at the end.
// The file is closed between writes, so it can be read while the simulation runs.
#include "Naplo.h"

#include "Vadonles.h"
#include "kilepes.h"
#include "ora.h"
#include "szamiras.h"

namespace {

// vadonles_frame reopens the log without a check of its own: a failure there is a run-time I/O error.
void Ujranyitas()
{
    if constexpr (KERETPROGRAM) {
        Append(F);
        if (IOResult() != 0) FutasiHiba(FUTASI_IO_HIBA, "a naplófájl nem nyitható meg újra írásra.");
    } else {
        NaploHozzafuzes(F);
    }
}

void Egesz(int64_t Ertek) { Write(F, Ertek, 0); }

// Rounded to a whole number, halves away from zero.
void Atlag(double Ertek) { Write(F, Ertek, 0, 0); }

void Valoszinuseg(double Ertek) { Write(F, Ertek, 5, 3); }

void Ido(uint16_t O, uint16_t P, uint16_t MP, uint16_t MP100)
{
    Egesz(O), Write(F, ":"), Egesz(P), Write(F, ":"), Egesz(MP), Write(F, ","), Egesz(MP100);
    WriteLn(F);
}

void IdoszakSor(double RaAtlag, double ZsAtlag)
{
    Egesz(T), Write(F, ";"), Egesz(RaDb), Write(F, ";"), Egesz(ZsDb), Write(F, ";");
    Atlag(RaAtlag), Write(F, ";"), Atlag(ZsAtlag), WriteLn(F, ";");
}

}  // namespace

void NaploKeszites()
{
    Ertekadas(FN, FAJLNEV);
    Hozzafuz(FN, "_"), Hozzafuz(FN, EgeszStr(N)), Hozzafuz(FN, "x"), Hozzafuz(FN, EgeszStr(M));
    NaploLetrehozas(F, FN);
    WriteLn(F, "Okologia - Ragadozas;");
    Write(F, "Kezdesi ido:;"), Ido(Ora, Perc, MPerc, MPerc100);
    Write(F, "N:;"), Egesz(N), Write(F, ";M:;"), Egesz(M), WriteLn(F, ";");
    Write(F, "Ra0:;"), Egesz(Ra0), Write(F, ";Zs0:;"), Egesz(Zs0), WriteLn(F, ";");
    Write(F, "RaSz:;"), Valoszinuseg(RaSz), Write(F, ";RaH:;"), Valoszinuseg(RaH), WriteLn(F, ";");
    Write(F, "ZsSz:;"), Valoszinuseg(ZsSz), Write(F, ";ZsH:;"), Valoszinuseg(ZsH), WriteLn(F, ";");
    WriteLn(F, "T;RaDb;ZsDb;RaAtl;ZsAtl;");
    Close(F);
}

void NaploIdoszakSor(double RaAtlag, double ZsAtlag)
{
    Ujranyitas();
    IdoszakSor(RaAtlag, ZsAtlag);
    Close(F);
}

void NaploZaroSorok()
{
    Ujranyitas();
    const int32_t Maradek = T % IDODIAGVALT;
    if (Maradek > 0) IdoszakSor(RaAtl / Maradek, ZsAtl / Maradek);
    uint16_t OraV, PercV, MPercV, MPerc100V;
    GetTime(OraV, PercV, MPercV, MPerc100V);
    const double DeltaT = FutasiIdo(Ora, Perc, MPerc, MPerc100, OraV, PercV, MPercV, MPerc100V);
    Write(F, "Veg-ido:;"), Ido(OraV, PercV, MPercV, MPerc100V);
    Write(F, "Ossz futasi ido:;"), Write(F, DeltaT, 5, 2), WriteLn(F, ";");
    Close(F);
}

double FutasiIdo(uint16_t Ora0, uint16_t Perc0, uint16_t MPerc0, uint16_t MPerc1000, uint16_t Ora1, uint16_t Perc1,
                 uint16_t MPerc1, uint16_t MPerc1001)
{
    const double Kezdet = (Ora0 * 3600 + Perc0 * 60 + MPerc0) + MPerc1000 / 100.0;
    const double Veg = (Ora1 * 3600 + Perc1 * 60 + MPerc1) + MPerc1001 / 100.0;
    constexpr double NAP = 24 * 3600;
    return Veg >= Kezdet ? Veg - Kezdet : Veg - Kezdet + NAP;
}
