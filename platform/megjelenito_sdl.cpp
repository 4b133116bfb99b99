// The presenter: an SDL window on a thread of its own copies the framebuffer to the screen about 60 times a second.
#include <SDL.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

#include "megjelenito.h"

namespace {

// The standard 16-colour palette, as 0xRRGGBB.
constexpr uint32_t PALETTA[16] = {
    0x000000, 0x0000AA, 0x00AA00, 0x00AAAA, 0xAA0000, 0xAA00AA, 0xAA5500, 0xAAAAAA,
    0x555555, 0x5555FF, 0x55FF55, 0x55FFFF, 0xFF5555, 0xFF55FF, 0xFFFF55, 0xFFFFFF,
};

std::mutex Zar;  // guards the fields below; drawing never takes it
const uint8_t* Kep = nullptr;
int Szel = 0, Mag = 0;
bool Mutatva = false;

std::thread Szal;
std::atomic<bool> Leall{false};
std::atomic<int> Bezarasok{0};

void Futas()
{
    // No display: the surface works without a window.
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) return;
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return;
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
    SDL_Window* Ablak = SDL_CreateWindow("Vadonles", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 800, 600,
                                         SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE);
    SDL_Renderer* Rajzolo = Ablak ? SDL_CreateRenderer(Ablak, -1, 0) : nullptr;
    if (!Rajzolo) {
        if (Ablak) SDL_DestroyWindow(Ablak);
        SDL_Quit();
        return;
    }
    SDL_RenderSetIntegerScale(Rajzolo, SDL_TRUE);
    SDL_Texture* Textura = nullptr;
    int TSzel = 0, TMag = 0;
    bool Lathato = false;
    std::vector<uint8_t> Masolat, Elozo;
    std::vector<uint32_t> Keppontok;

    while (!Leall) {
        SDL_Event E;
        while (SDL_PollEvent(&E))
            if (E.type == SDL_QUIT || (E.type == SDL_WINDOWEVENT && E.window.event == SDL_WINDOWEVENT_CLOSE))
                ++Bezarasok;
        bool Kell;
        {
            std::lock_guard<std::mutex> L(Zar);
            Kell = Mutatva && Kep;
            if (Kell) {
                // A frame copied while the program draws may mix two states; the next frame mends it.
                Masolat.assign(Kep, Kep + size_t(Szel) * Mag);
                if (Szel != TSzel || Mag != TMag) {
                    if (Textura) SDL_DestroyTexture(Textura);
                    TSzel = Szel, TMag = Mag;
                    Textura = SDL_CreateTexture(Rajzolo, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, TSzel, TMag);
                    SDL_RenderSetLogicalSize(Rajzolo, TSzel, TMag);
                    SDL_SetWindowMinimumSize(Ablak, TSzel, TMag);  // scaled by whole factors, never down
                    Elozo.clear();
                }
            }
        }
        if (Kell != Lathato) {
            Lathato = Kell;
            if (Lathato) {
                SDL_SetWindowSize(Ablak, TSzel, TMag);
                SDL_ShowWindow(Ablak);
            } else {
                SDL_HideWindow(Ablak);
            }
            Elozo.clear();
        }
        if (Lathato && Textura && Masolat != Elozo) {
            Keppontok.resize(Masolat.size());
            for (size_t I = 0; I < Masolat.size(); ++I) Keppontok[I] = PALETTA[Masolat[I] & 15];
            SDL_UpdateTexture(Textura, nullptr, Keppontok.data(), TSzel * 4);
            Elozo.swap(Masolat);
        }
        if (Lathato && Textura) {
            SDL_SetRenderDrawColor(Rajzolo, 0, 0, 0, 255);
            SDL_RenderClear(Rajzolo);
            SDL_RenderCopy(Rajzolo, Textura, nullptr, nullptr);
            SDL_RenderPresent(Rajzolo);
        }
        SDL_Delay(16);
    }
    if (Textura) SDL_DestroyTexture(Textura);
    SDL_DestroyRenderer(Rajzolo);
    SDL_DestroyWindow(Ablak);
    SDL_Quit();
}

}  // namespace

void MegjelenitoMegnyit(const uint8_t* UjKep, int Szelesseg, int Magassag)
{
    {
        std::lock_guard<std::mutex> L(Zar);
        Kep = UjKep, Szel = Szelesseg, Mag = Magassag;
        Mutatva = false;
    }
    if (!Szal.joinable()) Szal = std::thread(Futas);
}

void MegjelenitoMutat()
{
    std::lock_guard<std::mutex> L(Zar);
    Mutatva = true;
}

void MegjelenitoBezar()
{
    std::lock_guard<std::mutex> L(Zar);
    Kep = nullptr;
    Mutatva = false;
}

void MegjelenitoLeallit()
{
    if (!Szal.joinable()) return;
    Leall = true;
    Szal.join();
}

bool AblakBezarasKerve()
{
    int Db = Bezarasok.load();
    while (Db > 0)
        if (Bezarasok.compare_exchange_weak(Db, Db - 1)) return true;
    return false;
}
