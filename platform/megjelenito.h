// The presenter: shows the framebuffer of the graphics surface in a window of its own, or nowhere.
#pragma once
#include <cstdint>

// The surface is open on this framebuffer; the window stays hidden until something visible is drawn.
void MegjelenitoMegnyit(const uint8_t* Kep, int Szelesseg, int Magassag);
void MegjelenitoMutat();
// The surface is closed: the window disappears.
void MegjelenitoBezar();
// Program end: the window and its thread are gone for good.
void MegjelenitoLeallit();
// True once for each time the user closed the window.
bool AblakBezarasKerve();
