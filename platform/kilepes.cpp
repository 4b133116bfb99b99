// The one way out of the program, whatever the reason.
#include "kilepes.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "konzol.h"
#include "megjelenito.h"

namespace {
volatile std::sig_atomic_t Jelzes = 0;
void (*Teendo)() = nullptr;
int IOHibaKod = 0;

extern "C" void Jelzeskor(int Szam) { Jelzes = Szam; }
}  // namespace

void Halt(int Kod)
{
    MegjelenitoLeallit();
    KonzolLezaras();
    std::fflush(stdout);
    std::exit(Kod);
}

void FutasiHiba(int Kod, std::string_view Leiras)
{
    static bool Folyamatban = false;  // a failing console must not report its own failure forever
    if (!Folyamatban) {
        Folyamatban = true;
        if (WhereX() != 1) WriteLn();
    }
    MegjelenitoLeallit();
    KonzolLezaras();
    std::fprintf(stderr, "Futási hiba %d: %.*s\n", Kod, static_cast<int>(Leiras.size()), Leiras.data());
    Halt(Kod);
}

void JelzesKezelesInditas()
{
    struct sigaction Muvelet {};
    Muvelet.sa_handler = Jelzeskor;  // no SA_RESTART: a blocking read returns and the flag is seen
    sigemptyset(&Muvelet.sa_mask);
    sigaction(SIGINT, &Muvelet, nullptr);
    sigaction(SIGTERM, &Muvelet, nullptr);
    std::signal(SIGPIPE, SIG_IGN);  // a closed output is a write error, reported as such
}

void JelzesEllenorzes()
{
    if (!Jelzes) return;
    const int Kod = 128 + Jelzes;
    if (Teendo) {
        void (*Most)() = Teendo;
        Teendo = nullptr;  // once, even if it waits for the console itself
        Most();
    }
    Halt(Kod);
}

void JelzeskorTeendo(void (*Uj)()) { Teendo = Uj; }

int IOResult()
{
    const int Kod = IOHibaKod;
    IOHibaKod = 0;
    return Kod;
}

void IOHiba(int Kod) { IOHibaKod = Kod; }
