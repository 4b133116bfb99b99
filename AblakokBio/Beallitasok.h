// The settings in which vadonles and vadonles_frame differ, chosen by the definition VADONLES_KERET.
#pragma once
#include <cstdint>

// KERETPROGRAM: range checks on, and the run log reopened without a check of its own.
// TDarab: territory sizes and animal counts. CSENDESBEN: steps between full redraws in quiet mode.
// VALOSZINUSEG_SZELESSEG, _TIZEDES: how the information window writes the probabilities.
#ifdef VADONLES_KERET
inline constexpr bool KERETPROGRAM = true;
using TDarab = int16_t;
inline constexpr int32_t CSENDESBEN = 5000;
inline constexpr int VALOSZINUSEG_SZELESSEG = 5;
inline constexpr int VALOSZINUSEG_TIZEDES = 5;
#else
inline constexpr bool KERETPROGRAM = false;
using TDarab = int32_t;
inline constexpr int32_t CSENDESBEN = 100000;
inline constexpr int VALOSZINUSEG_SZELESSEG = 0;
inline constexpr int VALOSZINUSEG_TIZEDES = 2;
#endif
