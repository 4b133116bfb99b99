// The two faces of the console behind konzol.cpp: curses on a terminal, and the stream form.
#pragma once
#include <string_view>

#include "konzol_modell.h"

inline constexpr int NINCS_BILLENTYU = -1;
inline constexpr int BEMENET_VEGE = -2;

// True at most every few milliseconds: a poll that costs a system call is made only then.
bool LekerdezesEsedekes();

// False, after one line on standard error, when the terminal is smaller than 80 x 25.
bool TerminalInditas();
void TerminalKirajzolas(const TKonzolModell& K);
// The next key as a CP852 byte (a key without a character gives 0, Backspace 8, Enter 13), waiting at most
// VarMs milliseconds (0: only a look); NINCS_BILLENTYU when none came; BEMENET_VEGE for Ctrl+D.
int TerminalBillentyu(int VarMs);
void TerminalLezaras();

void FolyamInditas(int BeFd, int KiFd);
void FolyamKiiras(std::string_view Cp852);
void FolyamUrites();
// The next input byte, waiting for it when Var; NINCS_BILLENTYU or BEMENET_VEGE otherwise.
int FolyamBajt(bool Var);
// Takes a line end (LF or CR LF) that has already come in, so that a key may stand on a line of its own.
void FolyamSorvegAtlepes();
