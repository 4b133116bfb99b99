// The screen frame: design coordinates, the constant parts of the graphics screen, the main time display,
// and the frame, title and time display that every window draws alike.
#pragma once
#include <cstdint>
#include <string_view>

int16_t TP2FP_X(int16_t X);
int16_t TP2FP_Y(int16_t Y);
void GrafikusKepernyoAllandoReszei(std::string_view Fejlec);
void FoIdoKiiras(int32_t T);

// A window's frame in the current line style, and its title centred one text height below its top edge.
void AblakKeretRajzolas(uint16_t BFX, uint16_t BFY, uint16_t JAX, uint16_t JAY, std::string_view Cim);
// " T:" and the time on the title's line at the window's left edge, over an erased strip of 16 characters.
void AblakIdoKiiras(uint16_t BFX, uint16_t BFY, int32_t T);
