// The stream form of the console: UTF-8 text to an output descriptor, lines and keys from an input descriptor.
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "kilepes.h"
#include "kodlap.h"
#include "konzol_kimenet.h"

namespace {

int Be = 0, Ki = 1;
std::string Bemenet;  // read but not yet taken
size_t Olvasva = 0;
bool Vege = false;
std::string Kimenet;  // written but not yet sent

// Waits for input at most VarMs milliseconds, then reads all that has come, so that keys piped in
// together are all seen by the next look.
void Beolvasas(int VarMs)
{
    Bemenet.erase(0, Olvasva);
    Olvasva = 0;
    pollfd P{Be, POLLIN, 0};
    for (int Var = VarMs; !Vege && poll(&P, 1, Var) > 0; Var = 0) {
        char Puffer[4096];
        const ssize_t Db = read(Be, Puffer, sizeof Puffer);
        if (Db < 0 && errno == EINTR) return;
        if (Db <= 0) Vege = true;  // the end of the input, or input that cannot be read any more
        if (Db > 0) Bemenet.append(Puffer, size_t(Db));
    }
}

}  // namespace

void FolyamInditas(int BeFd, int KiFd)
{
    Be = BeFd, Ki = KiFd;
    Bemenet.clear(), Kimenet.clear();
    Olvasva = 0;
    Vege = false;
    Beolvasas(0);  // what is already waiting is there for the first look
}

void FolyamKiiras(std::string_view Cp852)
{
    for (const char C : Cp852BolUtf8(Cp852))
        if (C != '\r') Kimenet += C;  // a stream has no carriage to return
    if (Kimenet.find('\n') != std::string::npos || Kimenet.size() > 4096) FolyamUrites();
}

void FolyamUrites()
{
    size_t Kiirva = 0;
    while (Kiirva < Kimenet.size()) {
        const ssize_t Db = write(Ki, Kimenet.data() + Kiirva, Kimenet.size() - Kiirva);
        if (Db < 0 && errno == EINTR) continue;
        if (Db <= 0) {
            Kimenet.clear();
            FutasiHiba(FUTASI_IO_HIBA, "a konzol kimenete nem írható.");
        }
        Kiirva += size_t(Db);
    }
    Kimenet.clear();
}

void FolyamSorvegAtlepes()
{
    if (Olvasva < Bemenet.size() && Bemenet[Olvasva] == '\r') ++Olvasva;
    if (Olvasva < Bemenet.size() && Bemenet[Olvasva] == '\n') ++Olvasva;
}

int FolyamBajt(bool Var)
{
    if (Olvasva == Bemenet.size() && !Vege && (Var || LekerdezesEsedekes())) Beolvasas(Var ? 100 : 0);
    if (Olvasva < Bemenet.size()) return static_cast<unsigned char>(Bemenet[Olvasva++]);
    return Vege ? BEMENET_VEGE : NINCS_BILLENTYU;
}
