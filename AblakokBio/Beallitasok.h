// The settings in which vadonles and vadonles_frame differ, chosen by the definition VADONLES_KERET.
#pragma once
#include <cstdint>

#ifdef VADONLES_KERET
inline constexpr bool KERETPROGRAM = true;
using TDarab = int16_t;  // territory sizes and animal counts
inline constexpr int32_t CSENDESBEN = 5000;
#else
inline constexpr bool KERETPROGRAM = false;
using TDarab = int32_t;
inline constexpr int32_t CSENDESBEN = 100000;
#endif
