// Test help: a scratch working directory for the files the program reads and writes, left again at the end.
#pragma once
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

struct TMunkakonyvtar {
    std::filesystem::path Regi = std::filesystem::current_path();
    std::filesystem::path Ut;

    TMunkakonyvtar()
    {
        char Minta[] = "/tmp/vadonles_munka_XXXXXX";
        Ut = mkdtemp(Minta);
        std::filesystem::current_path(Ut);
    }
    ~TMunkakonyvtar()
    {
        std::filesystem::current_path(Regi);
        std::filesystem::remove_all(Ut);
    }
    void Fajl(const std::string& Nev, const std::string& Tartalom) const { std::ofstream(Ut / Nev, std::ios::binary) << Tartalom; }
    std::string Tartalom(const std::string& Nev) const
    {
        std::ifstream Be(Ut / Nev, std::ios::binary);
        return {std::istreambuf_iterator<char>(Be), {}};
    }
};
