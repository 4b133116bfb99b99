// The window toolkit: its shared ground, the screen frame, key waits and text pages, and the four kinds of windows.
#pragma once
#include "Alap.h"
#include "Billentyu.h"
#include "HisztAblak.h"
#include "KarAblak.h"
#include "Kepernyo.h"
#include "ReaAblak.h"
#include "XYAblak.h"
