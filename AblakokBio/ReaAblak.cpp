// The territory window. The whole grid is drawn row by row in one viewport, pixel for pixel as cell by cell.
#include "ReaAblak.h"

#include <cstring>

#include "Kepernyo.h"
#include "Rajz.h"

namespace {

constexpr uint8_t SZINEK[4] = {FSZIN, RASZIN, ZSSZIN, USZIN};  // indexed by TCella

// Sixteen cells a time, as SZINEK[cell] by byte-wise comparisons, which compile to plain vector code.
using TTizenhat = uint8_t __attribute__((vector_size(16)));

void SorSzinei(const TCella* Cellak, uint8_t* Szinek, int Db)
{
    int J = 0;
    for (; J + 16 <= Db; J += 16) {
        TTizenhat C;
        std::memcpy(&C, Cellak + J, 16);
        TTizenhat Sz = {};
        for (uint8_t Allapot = FAL; Allapot <= URES; ++Allapot) Sz |= TTizenhat(C == Allapot) & SZINEK[Allapot];
        std::memcpy(Szinek + J, &Sz, 16);
    }
    for (; J < Db; ++J) Szinek[J] = SZINEK[Cellak[J]];
}

// The viewport whose (0, 0) is the wall cell at the top left; false when the surface refuses it.
bool CellaNezet(const TAblak& A, int16_t N, int16_t M)
{
    const int32_t H = BetuMag();
    return Nezet((A.BFX + A.JAX - M) / 2, 4 * H + (A.JAY - A.BFY - H) / 2 - N / 2, (A.BFX + A.JAX + M + 2) / 2, A.JAY);
}

}  // namespace

void ReaAblakLetrehozas(TAblak& TerAblak, uint16_t BX, uint16_t BY, uint16_t JX, uint16_t JY, std::string_view, uint8_t Sz)
{
    TerAblak.BFX = BX, TerAblak.BFY = BY, TerAblak.JAX = JX, TerAblak.JAY = JY;
    TerAblak.Szin = Sz;
    Ertekadas(TerAblak.Cim, "Reakciótér"_cp);
}

void ReaterAblakRajzolas(TAblak& TerAblak) { AblakKeretRajzolas(TerAblak.BFX, TerAblak.BFY, TerAblak.JAX, TerAblak.JAY, TerAblak.Cim); }

void ReaIdoKiiras(TAblak& TerAblak, int32_t T) { AblakIdoKiiras(TerAblak.BFX, TerAblak.BFY, T); }

void ReszecskeRajzolas(TAblak& TerAblak, int16_t N, int16_t M, int16_t I, int16_t J, TCella C)
{
    if (UzemMod == CSENDES) return;
    if (CellaNezet(TerAblak, N, M) && C <= URES) Pont(J, I, SZINEK[C]);
    TeljesNezet();
}

void ReaterUjraRajzol(TAblak& TerAblak, const TReater& Reater, int16_t N, int16_t M, int32_t T)
{
    const TUzemmodok Regi = UzemMod;
    ReaIdoKiiras(TerAblak, T);
    UzemMod = NORMAL;
    if (CellaNezet(TerAblak, N, M)) {
        const int Szel = Tartomanyban<int>(M + 2, 2, MAXM + 2);
        uint8_t Sor[MAXM + 2];
        for (int I = 0; I <= N + 1; ++I) {
            const TCella* Cellak = Elem(Reater, I);
            SorSzinei(Cellak, Sor, Szel);
            SorIras(0, I, Sor, Szel);
        }
    }
    TeljesNezet();
    UzemMod = Regi;
}
