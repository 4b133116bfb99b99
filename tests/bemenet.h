// Test help: runs the console in its stream form on given input, and collects what it wrote.
#pragma once
#include <unistd.h>

#include <cstdio>
#include <string>

#include "konzol.h"

// How many times Minta stands in Szoveg.
inline int Elofordulas(const std::string& Szoveg, const std::string& Minta)
{
    int Db = 0;
    for (size_t Hol = Szoveg.find(Minta); Hol != std::string::npos; Hol = Szoveg.find(Minta, Hol + 1)) ++Db;
    return Db;
}

// With NyitvaMarad the input stays open after Bemenet: no key is waiting, yet the input has not ended.
struct TFolyamKonzol {
    std::FILE* Ki = std::tmpfile();
    int Iro = -1;

    explicit TFolyamKonzol(const std::string& Bemenet, bool NyitvaMarad = false)
    {
        int Cso[2];
        if (pipe(Cso) != 0 || write(Cso[1], Bemenet.data(), Bemenet.size()) != ssize_t(Bemenet.size())) std::abort();
        if (NyitvaMarad)
            Iro = Cso[1];
        else
            close(Cso[1]);
        KonzolFolyamInditas(Cso[0], fileno(Ki));
    }
    ~TFolyamKonzol()
    {
        std::fclose(Ki);
        if (Iro >= 0) close(Iro);
    }

    std::string Kimenet()
    {
        KonzolLezaras();
        std::string S;
        std::rewind(Ki);
        for (int C; (C = std::fgetc(Ki)) != EOF;) S += static_cast<char>(C);
        return S;
    }
};
