// Waiting for keys and switching the run mode with them, and the framed text pages with the help text.
#pragma once
#include <string_view>

// Text screen: waits for a key under "Lapozhatunk?". Graphics screen, step by step: waits for a key with a
// turning mark. Otherwise only looks; C is a blank when no key was waiting. A mode key sets UzemMod
// (not on the text screen).
void BillentyureVar(char& C);
void SzovegesLap(std::string_view Fejlec);
void Tajekoztato(std::string_view Fejlec, std::string_view TajekoztatoFile);
