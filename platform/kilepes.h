// Ending the program: the one way out, run-time errors, Ctrl+C and SIGTERM, and the I/O error flag.
#pragma once
#include <string_view>

inline constexpr int FUTASI_IO_HIBA = 74;   // exit code of a run-time I/O error
inline constexpr int TARTOMANY_HIBA = 201;  // exit code of a failed range check

// Closes the window, restores the terminal and ends the program with Kod.
[[noreturn]] void Halt(int Kod);
// Writes one line naming the run-time error, then Halt(Kod).
[[noreturn]] void FutasiHiba(int Kod, std::string_view Leiras);

// Ctrl+C and SIGTERM are taken by a handler that only notes them; JelzesEllenorzes ends the program
// with 130 or 143 when one was noted. The console's waits and polls call it.
void JelzesKezelesInditas();
void JelzesEllenorzes();
// What must still be done when Ctrl+C or SIGTERM ends the program (nullptr: nothing).
void JelzeskorTeendo(void (*Teendo)());

// The I/O error flag: non-zero after a failed open or a malformed number; reading it clears it.
inline constexpr int IO_NEM_NYITHATO = 2;
inline constexpr int IO_NEM_SZAM = 106;
int IOResult();
void IOHiba(int Kod);
