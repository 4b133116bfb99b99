// The 8x8 bitmap font of the graphics surface: one byte per pixel row, high bit leftmost.
#pragma once
#include <cstdint>

extern const uint8_t BETUKESZLET[256][8];
