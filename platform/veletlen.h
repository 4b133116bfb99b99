// The uniform pseudo-random generator: a 32-bit Mersenne Twister in its default state, never seeded again.
#pragma once
#include <cstdint>

// A uniform integer r, 0 <= r < N, for N >= 1: (x * N) >> 32 of the next output x.
int32_t Random(int32_t N);
// A uniform real r, 0 <= r < 1: the next output divided by 2^32.
double Random();
// Back to the start state (tests only: a program never reseeds).
void VeletlenUjrakezdes();
