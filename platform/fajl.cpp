// Text files: a file for reading is taken whole at opening, so a UTF-8 file can be turned into CP852 at once.
#include "fajl.h"

#include <algorithm>

#include "kilepes.h"
#include "kodlap.h"
#include "szamiras.h"

namespace {

void Iras(TSzovegFajl& F, std::string_view Szoveg)
{
    if (!F.Irott) FutasiHiba(FUTASI_IO_HIBA, "írás egy írásra meg nem nyitott fájlba.");
    if (!Szoveg.empty() && std::fwrite(Szoveg.data(), 1, Szoveg.size(), F.Irott) != Szoveg.size())
        FutasiHiba(FUTASI_IO_HIBA, "a fájl nem írható: " + F.Nev);
}

void Megnyitas(TSzovegFajl& F, const char* Mod)
{
    Close(F);
    F.Irott = std::fopen(F.Nev.c_str(), Mod);
    if (!F.Irott) IOHiba(IO_NEM_NYITHATO);
}

}  // namespace

void Assign(TSzovegFajl& F, std::string_view Nev) { F.Nev = Nev; }

void Reset(TSzovegFajl& F)
{
    Close(F);
    std::FILE* Be = std::fopen(F.Nev.c_str(), "rb");
    std::string Tartalom;
    char Puffer[4096];
    size_t Db;
    while (Be && (Db = std::fread(Puffer, 1, sizeof Puffer, Be)) > 0) Tartalom.append(Puffer, Db);
    const bool Hibas = !Be || std::ferror(Be);
    if (Be) std::fclose(Be);
    if (Hibas) {
        IOHiba(IO_NEM_NYITHATO);
        return;
    }
    F.Tartalom = Utf8BolCp852(Tartalom);
    F.Hely = 0;
    F.Olvasott = true;
}

void Rewrite(TSzovegFajl& F) { Megnyitas(F, "wb"); }
void Append(TSzovegFajl& F) { Megnyitas(F, "ab"); }

void Close(TSzovegFajl& F)
{
    F.Olvasott = false;
    F.Tartalom.clear();
    if (!F.Irott) return;
    const bool Hibas = std::ferror(F.Irott) != 0;
    const bool Lezarva = std::fclose(F.Irott) == 0;
    F.Irott = nullptr;
    if (Hibas || !Lezarva) FutasiHiba(FUTASI_IO_HIBA, "a fájl írása nem sikerült: " + F.Nev);
}

bool Eof(const TSzovegFajl& F)
{
    if (!F.Olvasott) FutasiHiba(FUTASI_IO_HIBA, "olvasásra meg nem nyitott fájl: " + F.Nev);
    return F.Hely >= F.Tartalom.size();
}

std::string_view SorOlvasas(TSzovegFajl& F)
{
    if (!F.Olvasott) FutasiHiba(FUTASI_IO_HIBA, "olvasásra meg nem nyitott fájl: " + F.Nev);
    const std::string_view Marad = std::string_view(F.Tartalom).substr(F.Hely);
    const size_t Vege = std::min(Marad.find('\n'), Marad.size());
    std::string_view Sor = Marad.substr(0, Vege);
    F.Hely += Vege + (Vege < Marad.size() ? 1 : 0);
    if (!Sor.empty() && Sor.back() == '\r') Sor.remove_suffix(1);
    return Sor;
}

void Write(TSzovegFajl& F, std::string_view Szoveg) { Iras(F, Szoveg); }
void Write(TSzovegFajl& F, int64_t Ertek, int Szelesseg) { Iras(F, EgeszStr(Ertek, Szelesseg)); }
void Write(TSzovegFajl& F, double Ertek, int Szelesseg, int Tizedes) { Iras(F, ValosStr(Ertek, Szelesseg, Tizedes)); }

void WriteLn(TSzovegFajl& F, std::string_view Szoveg)
{
    Iras(F, Szoveg);
    Iras(F, "\r\n");
}
