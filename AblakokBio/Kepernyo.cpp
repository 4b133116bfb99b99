// The screen frame and the drawing shared by all windows.
#include "Kepernyo.h"

#include "Alap.h"
#include "Rajz.h"
#include "szamiras.h"

int16_t TP2FP_X(int16_t X) { return Szukit<int16_t>(int32_t{X} * GetMaxX() / 640); }
int16_t TP2FP_Y(int16_t Y) { return Szukit<int16_t>(int32_t{Y} * GetMaxY() / 480); }

void GrafikusKepernyoAllandoReszei(std::string_view Fejlec)
{
    const int32_t W = BetuSzel(), H = BetuMag(), MX = GetMaxX(), MY = GetMaxY();
    const int32_t G = static_cast<int32_t>(Fejlec.size()) * W;
    SetTextJustify(KOZEPRE_IGAZIT, FELULRE_IGAZIT);
    SetLineStyle(FOLYTONOS_VONAL, 0, VASTAG_VONAL);  // for the rest of the run
    TeljesNezet();
    Teglalap(6, 6, MX - 5, MY - 5);
    const int32_t CX = MX / 2, CY = H / 2;
    Nezet(CX - G / 2 - 8, 0, CX + G / 2 + 7, 2 * CY + 7);
    ClearViewPort();
    Teglalap(4, 2, G + 9, 2 * CY + 5);
    Kiiras((G + 15) / 2, 4, Fejlec);
    FoIdoKiiras(0);
    const int32_t L = static_cast<int32_t>(HELPSOR.Hossz) * W;
    Nezet(CX - L / 2 - 8, MY - H - 6, CX + L / 2 + 7, MY);
    ClearViewPort();
    Teglalap(2, 2, L + 9, 2 * CY + 5);
    SetTextJustify(KOZEPRE_IGAZIT, FELULRE_IGAZIT);
    Kiiras((L + 15) / 2, 4, HELPSOR);
    SetTextJustify(BALRA_IGAZIT, FELULRE_IGAZIT);
}

void FoIdoKiiras(int32_t T)
{
    TSzoveg<255> St = Szoveg<255>(" T:");
    Hozzafuz(St, EgeszStr(T, 5));
    const int32_t W = BetuSzel(), H = BetuMag(), MX = GetMaxX();
    const int32_t L = 12 * W;
    Nezet(MX - L - 8, 0, MX, H + 7);
    ClearViewPort();
    Teglalap(2, 2, L + 5, H + 5);
    SetTextJustify(BALRA_IGAZIT, FELULRE_IGAZIT);
    Kiiras(4, 4, St);
    TeljesNezet();
}

void AblakKeretRajzolas(uint16_t BFX, uint16_t BFY, uint16_t JAX, uint16_t JAY, std::string_view Cim)
{
    TeljesNezet();
    Teglalap(BFX, BFY, JAX, JAY);
    SetTextJustify(KOZEPRE_IGAZIT, FELULRE_IGAZIT);
    Kiiras(BFX + (JAX - BFX) / 2, BFY + BetuMag(), Cim);
    SetTextJustify(BALRA_IGAZIT, FELULRE_IGAZIT);
}

void AblakIdoKiiras(uint16_t BFX, uint16_t BFY, int32_t T)
{
    TSzoveg<255> St = Szoveg<255>(" T:");
    Hozzafuz(St, EgeszStr(T));
    const int32_t W = BetuSzel(), H = BetuMag();
    Nezet(BFX + 4, BFY + H, BFX + 4 + 16 * W, BFY + 2 * H + 1);
    ClearViewPort();
    TeljesNezet();
    Kiiras(BFX + 2, BFY + H, St);
}
