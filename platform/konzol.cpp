// The console: every output goes into the model and then to the terminal or the output stream.
#include "konzol.h"

#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "kilepes.h"
#include "kodlap.h"
#include "konzol_kimenet.h"
#include "megjelenito.h"
#include "szamiras.h"

namespace {

enum class TForma { MODELL, FOLYAM, TERMINAL };

TKonzolModell UjModell()
{
    TKonzolModell K;
    ModellAlaphelyzet(K);
    return K;
}

TKonzolModell Modell = UjModell();
TForma Forma = TForma::MODELL;
bool Valtozott = false;    // the terminal does not show the model yet
int Varakozo = NINCS_BILLENTYU;  // a key seen by KeyPressed, not yet taken
constexpr int SOR_HOSSZ = 255;
constexpr long LEKERDEZESI_KOZ_NS = 10'000'000;

void Kirajzolas()
{
    if (Forma == TForma::TERMINAL && Valtozott) TerminalKirajzolas(Modell);
    Valtozott = false;
}

// The next key from the terminal or the stream; NINCS_BILLENTYU when none came within the wait.
int Billentyu(bool Var)
{
    Kirajzolas();
    switch (Forma) {
        case TForma::TERMINAL: return TerminalBillentyu(Var ? 100 : 0);
        case TForma::FOLYAM: {
            FolyamUrites();
            int B;
            do B = FolyamBajt(Var);
            while (B == '\r' || B == '\n');  // keys may stand one to a line
            if (B >= 0) FolyamSorvegAtlepes();
            return B;
        }
        case TForma::MODELL: break;
    }
    return BEMENET_VEGE;
}

[[noreturn]] void BemenetVege() { FutasiHiba(FUTASI_IO_HIBA, "a bemenet véget ért, a paraméterek bekérése nem folytatható."); }

// One line typed on the terminal, echoed and editable with Backspace.
std::string TerminalSor()
{
    std::string Sor;
    for (;;) {
        JelzesEllenorzes();
        const int B = Billentyu(true);
        if (B == BEMENET_VEGE && Sor.empty()) BemenetVege();
        if (B == '\r' || B == '\n') break;
        if (B == '\b' && !Sor.empty()) {
            Sor.pop_back();
            Write("\b \b");
        } else if (B >= ' ' && B != 127 && Sor.size() < SOR_HOSSZ) {
            Sor += static_cast<char>(B);
            Write(static_cast<char>(B));
        }
    }
    WriteLn();
    return Sor;
}

// One line of the input stream, shown in the console as if it had been typed.
std::string FolyamSor()
{
    std::string Sor;
    bool Volt = false;
    for (;;) {
        const int B = FolyamBajt(true);
        JelzesEllenorzes();
        if (B == BEMENET_VEGE) {
            if (!Volt) BemenetVege();
            break;
        }
        if (B == NINCS_BILLENTYU) continue;
        Volt = true;
        if (B == '\n') break;
        if (B != '\r') Sor += static_cast<char>(B);
    }
    Sor = Utf8BolCp852(Sor).substr(0, SOR_HOSSZ);
    Write(Sor);
    WriteLn();
    return Sor;
}

std::string SorOlvasas()
{
    Kirajzolas();
    if (Forma == TForma::TERMINAL) return TerminalSor();
    if (Forma == TForma::FOLYAM) {
        FolyamUrites();
        return FolyamSor();
    }
    BemenetVege();
}

// The console's last screen, written to the terminal given back: what the program said last stays readable.
void UtolsoKepernyo()
{
    int Utolso = 0;
    for (int Y = 1; Y <= KONZOL_MAG; ++Y)
        for (const TKonzolCella& C : Modell.Cellak[Y - 1])
            if (C.Kar != ' ') Utolso = Y;
    std::string Szoveg;
    for (int Y = 1; Y <= Utolso; ++Y) {
        std::string Sor;
        for (const TKonzolCella& C : Modell.Cellak[Y - 1]) Sor += C.Kar;
        Sor.erase(Sor.find_last_not_of(' ') + 1);
        Szoveg += Cp852BolUtf8(Sor) + "\n";
    }
    std::fwrite(Szoveg.data(), 1, Szoveg.size(), stdout);
    std::fflush(stdout);
}

}  // namespace

bool LekerdezesEsedekes()
{
    static timespec Utolso{};
    timespec Most{};
    clock_gettime(CLOCK_MONOTONIC_COARSE, &Most);
    if ((Most.tv_sec - Utolso.tv_sec) * 1'000'000'000L + (Most.tv_nsec - Utolso.tv_nsec) < LEKERDEZESI_KOZ_NS) return false;
    Utolso = Most;
    return true;
}

void KonzolInditas()
{
    JelzesKezelesInditas();
    if (isatty(STDIN_FILENO) && isatty(STDOUT_FILENO)) {
        if (!TerminalInditas()) Halt(FUTASI_IO_HIBA);
        Forma = TForma::TERMINAL;
        Valtozott = true;
    } else {
        KonzolFolyamInditas(STDIN_FILENO, STDOUT_FILENO);
    }
}

void KonzolFolyamInditas(int BeFd, int KiFd)
{
    FolyamInditas(BeFd, KiFd);
    Forma = TForma::FOLYAM;
    Modell = UjModell();
    Varakozo = NINCS_BILLENTYU;
}

void KonzolLezaras()
{
    if (Forma == TForma::TERMINAL) {
        Kirajzolas();
        TerminalLezaras();
        UtolsoKepernyo();
    } else if (Forma == TForma::FOLYAM) {
        FolyamUrites();
    }
    Forma = TForma::MODELL;
}

const TKonzolModell& KonzolAllapot() { return Modell; }

void Window(int X1, int Y1, int X2, int Y2)
{
    ModellWindow(Modell, X1, Y1, X2, Y2);
    Valtozott = true;
}

void ClrScr()
{
    ModellClrScr(Modell);
    Valtozott = true;
}

void GotoXY(int X, int Y)
{
    ModellGotoXY(Modell, X, Y);
    Valtozott = true;
}

int WhereX() { return ModellWhereX(Modell); }
int WhereY() { return ModellWhereY(Modell); }
void HighVideo() { Modell.Fenyes = true; }
void NormVideo() { Modell.Fenyes = false; }

void Write(std::string_view Szoveg)
{
    ModellKiiras(Modell, Szoveg);
    Valtozott = true;
    if (Forma == TForma::FOLYAM) FolyamKiiras(Szoveg);
}

void Write(char Kar) { Write(std::string_view(&Kar, 1)); }
void Write(int64_t Ertek, int Szelesseg) { Write(std::string_view(EgeszStr(Ertek, Szelesseg))); }
void Write(double Ertek, int Szelesseg, int Tizedes) { Write(std::string_view(ValosStr(Ertek, Szelesseg, Tizedes))); }

void WriteLn(std::string_view Szoveg)
{
    Write(Szoveg);
    Write("\r\n");
}

bool KeyPressed()
{
    JelzesEllenorzes();
    if (Varakozo != NINCS_BILLENTYU) return true;
    if (AblakBezarasKerve()) {
        Varakozo = 'V';  // closing the window ends the run like the end key
        return true;
    }
    if (Forma == TForma::TERMINAL && !LekerdezesEsedekes()) return false;
    Varakozo = Billentyu(false);
    return Varakozo != NINCS_BILLENTYU;
}

char ReadKey()
{
    while (!KeyPressed()) Varakozo = Billentyu(true);
    const int B = Varakozo;
    Varakozo = NINCS_BILLENTYU;
    return B == BEMENET_VEGE ? ' ' : static_cast<char>(B);
}

void ReadLn(int64_t& Ertek)
{
    if (!EgeszErtelmezes(SorOlvasas(), Ertek)) IOHiba(IO_NEM_SZAM);
}

void ReadLn(double& Ertek)
{
    if (!ValosErtelmezes(SorOlvasas(), Ertek)) IOHiba(IO_NEM_SZAM);
}

void Delay(int Ezredmasodperc)
{
    Kirajzolas();
    if (Forma == TForma::FOLYAM) FolyamUrites();
    timespec Marad{Ezredmasodperc / 1000, (Ezredmasodperc % 1000) * 1'000'000L};
    while (nanosleep(&Marad, &Marad) != 0) JelzesEllenorzes();
    JelzesEllenorzes();
}
