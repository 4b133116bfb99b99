// Conversion between the program's CP852 bytes and the UTF-8 of terminals and edited files.
#pragma once
#include <string>
#include <string_view>

std::string Cp852BolUtf8(std::string_view Cp852);
// Text that is valid UTF-8 and holds non-ASCII characters is turned into CP852 (a character without
// a CP852 byte becomes "?"); anything else is taken to be CP852 already and comes back unchanged.
std::string Utf8BolCp852(std::string_view Szoveg);
// The Unicode character of one CP852 byte, and the CP852 byte of a character (0 when there is none).
char32_t Cp852Karakter(unsigned char Bajt);
unsigned char Cp852Bajtja(char32_t Karakter);
