// Number texts written and read the way the program's console and files expect them.
#include "szamiras.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

namespace {

TSzoveg<255> Igazitva(std::string_view Szamjegyek, int Szelesseg)
{
    TSzoveg<255> S;
    for (int I = static_cast<int>(Szamjegyek.size()); I < Szelesseg; ++I) Hozzafuz(S, " ");
    Hozzafuz(S, Szamjegyek);
    return S;
}

bool Elvalaszto(char C) { return C == ' ' || C == '\t'; }

// The token that stands first on the line, and whether only blanks come before it.
std::string_view ElsoSzo(std::string_view Sor)
{
    size_t Eleje = 0;
    while (Eleje < Sor.size() && Elvalaszto(Sor[Eleje])) ++Eleje;
    size_t Vege = Eleje;
    while (Vege < Sor.size() && !Elvalaszto(Sor[Vege])) ++Vege;
    return Sor.substr(Eleje, Vege - Eleje);
}

bool Szamjegy(char C) { return C >= '0' && C <= '9'; }

}  // namespace

TSzoveg<255> EgeszStr(int64_t V, int Szelesseg)
{
    char Puffer[24];
    const int Db = std::snprintf(Puffer, sizeof Puffer, "%lld", static_cast<long long>(V));
    return Igazitva({Puffer, size_t(Db)}, Szelesseg);
}

TSzoveg<255> ValosStr(double V, int Szelesseg, int Tizedes)
{
    if (!std::isfinite(V)) return Igazitva(std::isnan(V) ? "Nan" : V > 0 ? "+Inf" : "-Inf", Szelesseg);
    // 15 significant digits d1..d15 and the exponent: |V| = 0.d1d2...d15 * 10^(Kitevo + 1).
    char Puffer[40];
    std::snprintf(Puffer, sizeof Puffer, "%.14e", std::fabs(V));
    std::string Jegyek;
    for (const char* P = Puffer; *P && *P != 'e'; ++P)
        if (Szamjegy(*P)) Jegyek += *P;
    int Kitevo = std::atoi(std::strchr(Puffer, 'e') + 1);
    // Keep the digits down to the wanted decimal and round the first one dropped, half away from zero.
    const int Marad = Kitevo + 1 + Tizedes;
    if (Marad < 0) {
        Jegyek.clear();
    } else if (Marad < static_cast<int>(Jegyek.size())) {
        const bool Felfele = Jegyek[size_t(Marad)] >= '5';
        Jegyek.resize(size_t(Marad));
        if (Felfele) {
            int I = Marad - 1;
            for (; I >= 0 && Jegyek[size_t(I)] == '9'; --I) Jegyek[size_t(I)] = '0';
            if (I >= 0) {
                ++Jegyek[size_t(I)];
            } else {
                Jegyek.insert(Jegyek.begin(), '1');
                ++Kitevo;
            }
        }
    }
    // Lay the digits out around the decimal point.
    const int EgeszDb = Kitevo + 1;
    std::string Egesz, Tort;
    for (int I = 0; I < EgeszDb; ++I) Egesz += I < static_cast<int>(Jegyek.size()) ? Jegyek[size_t(I)] : '0';
    for (int I = 0; I < Tizedes; ++I) {
        const int Hol = EgeszDb + I;
        Tort += Hol >= 0 && Hol < static_cast<int>(Jegyek.size()) ? Jegyek[size_t(Hol)] : '0';
    }
    if (Egesz.empty()) Egesz.push_back('0');
    const bool Nulla = Egesz.find_first_not_of('0') == std::string::npos && Tort.find_first_not_of('0') == std::string::npos;
    std::string Szoveg = (V < 0 && !Nulla ? "-" : "") + Egesz;
    if (Tizedes > 0) Szoveg += "." + Tort;
    return Igazitva(Szoveg, Szelesseg);
}

bool EgeszErtelmezes(std::string_view Sor, int64_t& V)
{
    std::string_view Szo = ElsoSzo(Sor);
    const bool Negativ = !Szo.empty() && Szo[0] == '-';
    if (!Szo.empty() && (Szo[0] == '-' || Szo[0] == '+')) Szo.remove_prefix(1);
    if (Szo.empty()) return false;
    constexpr int64_t Max = std::numeric_limits<int64_t>::max();
    int64_t Ertek = 0;
    for (const char C : Szo) {
        if (!Szamjegy(C)) return false;
        Ertek = Ertek > (Max - (C - '0')) / 10 ? Max : Ertek * 10 + (C - '0');
    }
    V = Negativ ? -Ertek : Ertek;
    return true;
}

bool ValosErtelmezes(std::string_view Sor, double& V)
{
    const std::string Szo(ElsoSzo(Sor));
    // Digits with an optional sign, decimal point and exponent; no "nan", "inf" or hexadecimal forms.
    size_t I = 0, Jegyek = 0;
    if (I < Szo.size() && (Szo[I] == '-' || Szo[I] == '+')) ++I;
    for (; I < Szo.size() && Szamjegy(Szo[I]); ++I) ++Jegyek;
    if (I < Szo.size() && Szo[I] == '.')
        for (++I; I < Szo.size() && Szamjegy(Szo[I]); ++I) ++Jegyek;
    if (Jegyek == 0) return false;
    if (I < Szo.size() && (Szo[I] == 'e' || Szo[I] == 'E')) {
        ++I;
        if (I < Szo.size() && (Szo[I] == '-' || Szo[I] == '+')) ++I;
        if (I == Szo.size() || !Szamjegy(Szo[I])) return false;
        while (I < Szo.size() && Szamjegy(Szo[I])) ++I;
    }
    if (I != Szo.size()) return false;
    V = std::strtod(Szo.c_str(), nullptr);
    return true;
}
