// The local wall clock, read in milliseconds.
#include "ora.h"

#include <sys/time.h>

#include <ctime>

void GetTime(uint16_t& Ora, uint16_t& Perc, uint16_t& MPerc, uint16_t& MPerc100)
{
    timeval Most{};
    gettimeofday(&Most, nullptr);
    std::tm Helyi{};
    const std::time_t Mp = Most.tv_sec;
    localtime_r(&Mp, &Helyi);
    Ora = static_cast<uint16_t>(Helyi.tm_hour);
    Perc = static_cast<uint16_t>(Helyi.tm_min);
    MPerc = static_cast<uint16_t>(Helyi.tm_sec);
    MPerc100 = static_cast<uint16_t>(Most.tv_usec / 1000 / 10);
}
