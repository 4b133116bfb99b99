// Byte strings of the program: fixed-capacity CP852 strings and readable literals turned into CP852 at compile time.
#pragma once
#include <cstdint>
#include <string_view>

// A string of at most K bytes (K <= 255) held in place; every assignment cuts to K.
template <int K>
struct TSzoveg {
    static_assert(K > 0 && K <= 255);
    uint8_t Hossz = 0;
    char Adat[K] = {};
    operator std::string_view() const { return {Adat, Hossz}; }
};

template <int K>
void Hozzafuz(TSzoveg<K>& S, std::string_view Mit)
{
    const size_t Fer = K - S.Hossz;
    const size_t Db = Mit.size() < Fer ? Mit.size() : Fer;
    for (size_t I = 0; I < Db; ++I) S.Adat[S.Hossz + I] = Mit[I];
    S.Hossz = static_cast<uint8_t>(S.Hossz + Db);
}

template <int K>
void Ertekadas(TSzoveg<K>& S, std::string_view Mit)
{
    S.Hossz = 0;
    Hozzafuz(S, Mit);
}

template <int K>
TSzoveg<K> Szoveg(std::string_view Mit)
{
    TSzoveg<K> S;
    Ertekadas(S, Mit);
    return S;
}

// Unicode code points of the CP852 bytes 0x80..0xFF.
inline constexpr char32_t CP852_FELSO[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x016F, 0x0107, 0x00E7,
    0x0142, 0x00EB, 0x0150, 0x0151, 0x00EE, 0x0179, 0x00C4, 0x0106,
    0x00C9, 0x0139, 0x013A, 0x00F4, 0x00F6, 0x013D, 0x013E, 0x015A,
    0x015B, 0x00D6, 0x00DC, 0x0164, 0x0165, 0x0141, 0x00D7, 0x010D,
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x0104, 0x0105, 0x017D, 0x017E,
    0x0118, 0x0119, 0x00AC, 0x017A, 0x010C, 0x015F, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x011A,
    0x015E, 0x2563, 0x2551, 0x2557, 0x255D, 0x017B, 0x017C, 0x2510,
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x0102, 0x0103,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4,
    0x0111, 0x0110, 0x010E, 0x00CB, 0x010F, 0x0147, 0x00CD, 0x00CE,
    0x011B, 0x2518, 0x250C, 0x2588, 0x2584, 0x0162, 0x016E, 0x2580,
    0x00D3, 0x00DF, 0x00D4, 0x0143, 0x0144, 0x0148, 0x0160, 0x0161,
    0x0154, 0x00DA, 0x0155, 0x0170, 0x00FD, 0x00DD, 0x0163, 0x00B4,
    0x00AD, 0x02DD, 0x02DB, 0x02C7, 0x02D8, 0x00A7, 0x00F7, 0x00B8,
    0x00B0, 0x00A8, 0x02D9, 0x0171, 0x0158, 0x0159, 0x25A0, 0x00A0,
};

// The UTF-8 source text of a literal, as a template argument.
template <size_t N>
struct TUtf8Forras {
    char Adat[N];
    consteval TUtf8Forras(const char (&S)[N])
    {
        for (size_t I = 0; I < N; ++I) Adat[I] = S[I];
    }
};

// The CP852 bytes of a literal; its length never exceeds that of the UTF-8 source.
template <size_t N>
struct TCp852Literal {
    char Adat[N] = {};
    size_t Hossz = 0;
    constexpr operator std::string_view() const { return {Adat, Hossz}; }
};

consteval char Cp852Bajt(char32_t Kod)
{
    if (Kod < 0x80) return static_cast<char>(Kod);
    for (int I = 0; I < 128; ++I)
        if (CP852_FELSO[I] == Kod) return static_cast<char>(0x80 + I);
    throw "character without a CP852 byte";
}

// "szöveg"_cp: the literal's text in CP852, converted when the program is compiled.
template <TUtf8Forras S>
consteval auto operator""_cp()
{
    TCp852Literal<sizeof(S.Adat)> L;
    const auto B = [&](size_t I) { return static_cast<unsigned char>(S.Adat[I]); };
    for (size_t I = 0; I + 1 < sizeof(S.Adat);) {
        char32_t Kod;
        if (B(I) < 0x80) {
            Kod = B(I);
            I += 1;
        } else if ((B(I) & 0xE0) == 0xC0) {
            Kod = (char32_t(B(I) & 0x1F) << 6) | (B(I + 1) & 0x3F);
            I += 2;
        } else if ((B(I) & 0xF0) == 0xE0) {
            Kod = (char32_t(B(I) & 0x0F) << 12) | (char32_t(B(I + 1) & 0x3F) << 6) | (B(I + 2) & 0x3F);
            I += 3;
        } else {
            throw "unexpected UTF-8 sequence";
        }
        L.Adat[L.Hossz++] = Cp852Bajt(Kod);
    }
    return L;
}
