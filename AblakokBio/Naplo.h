// The run log's file: created, and reopened for appending, or the program stops with exit code 9.
#pragma once
#include <string_view>

#include "fajl.h"

// Opens FN + ".csv" for writing, replacing any old content.
void NaploLetrehozas(TSzovegFajl& F, std::string_view FN);
// Reopens the log at its end.
void NaploHozzafuzes(TSzovegFajl& F);
