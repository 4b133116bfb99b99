// The text console: 80 x 25 cells with output windows, bright text, keys, line reads of numbers, and a pause.
#pragma once
#include <cstdint>
#include <string_view>

#include "konzol_modell.h"

// On a terminal (standard input and output both terminals) the console is drawn with curses; otherwise it is
// the stream form: text goes to standard output as UTF-8 in the order written, lines and keys come from
// standard input in order, and at the end of the input every key read gives a blank.
void KonzolInditas();
// The stream form on the given descriptors (tests).
void KonzolFolyamInditas(int BeFd, int KiFd);
// Gives the terminal back (or writes out what the stream form still holds); harmless when repeated.
void KonzolLezaras();
const TKonzolModell& KonzolAllapot();

void Window(int X1, int Y1, int X2, int Y2);
void ClrScr();
void GotoXY(int X, int Y);
int WhereX();
int WhereY();
void HighVideo();
void NormVideo();

// Texts are CP852 bytes. An integer is right-aligned in Szelesseg places and never cut; a real is written in
// fixed point (number forms: szamiras.h).
void Write(std::string_view Szoveg);
void Write(char Kar);
void Write(int64_t Ertek, int Szelesseg);
void Write(double Ertek, int Szelesseg, int Tizedes);
void WriteLn(std::string_view Szoveg = {});

// Whether a key is waiting; it never blocks. Closing the graphics window counts as the key "V".
bool KeyPressed();
// The next key's CP852 byte, waiting for it; a key without a character gives 0.
char ReadKey();
// One line read as a number; the rest of the line is discarded. A line that holds no number sets the I/O
// error flag. The end of the input ends the program with a run-time I/O error.
void ReadLn(int64_t& Ertek);
void ReadLn(double& Ertek);

void Delay(int Ezredmasodperc);
