// The local wall clock.
#pragma once
#include <cstdint>

// Hour 0-23, minute, second, hundredths (milliseconds div 10) of the local time of day.
void GetTime(uint16_t& Ora, uint16_t& Perc, uint16_t& MPerc, uint16_t& MPerc100);
