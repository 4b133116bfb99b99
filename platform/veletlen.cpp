// The generator: every run draws the same sequence, so equal entries give the same run.
#include "veletlen.h"

#include <random>

namespace {
std::mt19937 Generator;
}

int32_t Random(int32_t N) { return static_cast<int32_t>((uint64_t(Generator()) * uint64_t(N)) >> 32); }

double Random() { return Generator() / 4294967296.0; }

void VeletlenUjrakezdes() { Generator = std::mt19937(); }
