// Text files in the working directory: read line by line, created or appended; opens report through the I/O error flag.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "szoveg.h"

struct TSzovegFajl {
    std::string Nev;
    std::FILE* Irott = nullptr;  // open for writing
    bool Olvasott = false;       // open for reading
    std::string Tartalom;        // the whole file read at opening, in CP852
    size_t Hely = 0;             // the next line starts here
};

void Assign(TSzovegFajl& F, std::string_view Nev);
// Open for reading, create empty (or cut an old file to nothing), open for appending. A failure sets the
// I/O error flag and leaves the file closed.
void Reset(TSzovegFajl& F);
void Rewrite(TSzovegFajl& F);
void Append(TSzovegFajl& F);
// Closing, reading a file not open for reading, writing to one not open for writing, and a write that fails
// end the program with a run-time I/O error.
void Close(TSzovegFajl& F);
bool Eof(const TSzovegFajl& F);
// The next line; its end is LF or CR LF. Bytes beyond K are skipped with the rest of the line.
template <int K>
void ReadLn(TSzovegFajl& F, TSzoveg<K>& Sor);
void Write(TSzovegFajl& F, std::string_view Szoveg);
void Write(TSzovegFajl& F, int64_t Ertek, int Szelesseg);
void Write(TSzovegFajl& F, double Ertek, int Szelesseg, int Tizedes);
// Ends the line with CR LF.
void WriteLn(TSzovegFajl& F, std::string_view Szoveg = {});

std::string_view SorOlvasas(TSzovegFajl& F);

template <int K>
void ReadLn(TSzovegFajl& F, TSzoveg<K>& Sor)
{
    Ertekadas(Sor, SorOlvasas(F));
}
