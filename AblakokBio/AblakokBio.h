// The window toolkit: its shared ground, the screen frame, key waits and text pages, the four kinds of windows,
// and the opening of the run log.
#pragma once
#include "Alap.h"
#include "Billentyu.h"
#include "HisztAblak.h"
#include "KarAblak.h"
#include "Kepernyo.h"
#include "Naplo.h"
#include "ReaAblak.h"
#include "XYAblak.h"
