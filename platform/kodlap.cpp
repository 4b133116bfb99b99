// CP852 and UTF-8 through iconv.
#include "kodlap.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <stdexcept>

namespace {

size_t Utf8Hossz(unsigned char B) { return B < 0xC0 ? 1 : B < 0xE0 ? 2 : B < 0xF0 ? 3 : 4; }

// Converts with iconv; a character that the target lacks becomes "?". The source is valid in its code.
std::string Atalakitas(const char* Cel, const char* Forras, std::string_view Be)
{
    iconv_t Kod = iconv_open(Cel, Forras);
    if (Kod == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv cannot convert between CP852 and UTF-8");
    const bool Utf8Bol = std::string_view(Forras) == "UTF-8";
    std::string Ki;
    char* BeP = const_cast<char*>(Be.data());
    size_t BeMarad = Be.size();
    char Puffer[1024];
    while (BeMarad > 0) {
        char* KiP = Puffer;
        size_t KiMarad = sizeof Puffer;
        const size_t Eredmeny = iconv(Kod, &BeP, &BeMarad, &KiP, &KiMarad);
        Ki.append(Puffer, size_t(KiP - Puffer));
        if (Eredmeny == size_t(-1) && errno != E2BIG) {
            Ki += '?';
            size_t Db = Utf8Bol ? Utf8Hossz(static_cast<unsigned char>(*BeP)) : 1;
            Db = Db < BeMarad ? Db : BeMarad;
            BeP += Db;
            BeMarad -= Db;
        }
    }
    iconv_close(Kod);
    return Ki;
}

bool Ervenyes(std::string_view S)
{
    size_t I = 0;
    while (I < S.size()) {
        const unsigned char B = static_cast<unsigned char>(S[I]);
        const size_t Db = B < 0x80 ? 1 : (B & 0xE0) == 0xC0 ? 2 : (B & 0xF0) == 0xE0 ? 3 : (B & 0xF8) == 0xF0 ? 4 : 0;
        if (Db == 0 || (Db == 2 && B < 0xC2) || I + Db > S.size()) return false;
        for (size_t K = 1; K < Db; ++K)
            if ((static_cast<unsigned char>(S[I + K]) & 0xC0) != 0x80) return false;
        I += Db;
    }
    return true;
}

}  // namespace

std::string Cp852BolUtf8(std::string_view Cp852)
{
    return Atalakitas("UTF-8", "CP852", Cp852);
}

std::string Utf8BolCp852(std::string_view Szoveg)
{
    bool VanNemAscii = false;
    for (const char C : Szoveg) VanNemAscii |= static_cast<unsigned char>(C) >= 0x80;
    if (!VanNemAscii || !Ervenyes(Szoveg)) return std::string(Szoveg);
    return Atalakitas("CP852", "UTF-8", Szoveg);
}

char32_t Cp852Karakter(unsigned char Bajt)
{
    static char32_t Tabla[256] = {};
    if (Tabla[' '] == 0)
        for (int I = 0; I < 256; ++I) {
            const char B = static_cast<char>(I);
            const std::string Ki = Atalakitas("UTF-32LE", "CP852", {&B, 1});
            Tabla[I] = Ki.size() == 4 ? char32_t(uint8_t(Ki[0]) | uint8_t(Ki[1]) << 8 | uint8_t(Ki[2]) << 16 | uint32_t(uint8_t(Ki[3])) << 24)
                                      : U'?';
        }
    return Tabla[Bajt];
}

unsigned char Cp852Bajtja(char32_t Karakter)
{
    for (int I = 0; I < 256; ++I)
        if (Cp852Karakter(static_cast<unsigned char>(I)) == Karakter) return static_cast<unsigned char>(I);
    return 0;
}
