// Checked narrowing and checked indexing: range checks in vadonles_frame, plain casts and indexing in vadonles.
#pragma once
#include <cstddef>
#include <cstdint>
#include <source_location>
#include <string>
#include <utility>

#include "Beallitasok.h"
#include "kilepes.h"

[[noreturn]] inline void TartomanyHiba(long long Ertek, const std::source_location& Hol)
{
    FutasiHiba(TARTOMANY_HIBA, "tartományon kívüli érték (" + std::to_string(Ertek) + ") itt: " + Hol.file_name() + ":" +
                                   std::to_string(Hol.line()));
}

// V converted to the narrower type Cel.
template <typename Cel, typename Forras>
constexpr Cel Szukit(Forras V, const std::source_location Hol = std::source_location::current())
{
    if constexpr (KERETPROGRAM)
        if (!std::in_range<Cel>(V)) TartomanyHiba(V, Hol);
    return static_cast<Cel>(V);
}

// V, which must lie in Min..Max.
template <typename T>
constexpr T Tartomanyban(T V, T Min, T Max, const std::source_location Hol = std::source_location::current())
{
    if constexpr (KERETPROGRAM)
        if (V < Min || V > Max) TartomanyHiba(V, Hol);
    return V;
}

// Element I of an array.
template <typename T, size_t K, typename Index>
constexpr T& Elem(T (&Tomb)[K], Index I, const std::source_location Hol = std::source_location::current())
{
    if constexpr (KERETPROGRAM)
        if (!std::in_range<size_t>(I) || static_cast<size_t>(I) >= K) TartomanyHiba(I, Hol);
    return Tomb[I];
}
