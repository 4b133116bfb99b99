// The run log's opening: a failure is told in two console lines, the user may read them, and the program stops.
#include "Naplo.h"

#include "Billentyu.h"
#include "kilepes.h"
#include "konzol.h"

namespace {

constexpr int NAPLO_HIBA = 9;

[[noreturn]] void NaploHiba()
{
    WriteLn("Lehet, h. másik program használja?"_cp);
    char C;
    BillentyureVar(C);
    Halt(NAPLO_HIBA);
}

}  // namespace

void NaploLetrehozas(TSzovegFajl& F, std::string_view FN)
{
    TSzoveg<255> Nev = Szoveg<255>(FN);
    Hozzafuz(Nev, ".csv");
    Assign(F, Nev);
    Rewrite(F);
    if (IOResult() == 0) return;
    Write("A ");
    Write(Nev);
    WriteLn(" naplófájl nem nyitható meg."_cp);
    NaploHiba();
}

void NaploHozzafuzes(TSzovegFajl& F)
{
    Append(F);
    if (IOResult() == 0) return;
    WriteLn("A naplófájlba nem lehet írni."_cp);
    NaploHiba();
}
