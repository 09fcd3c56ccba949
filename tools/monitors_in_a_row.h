// The tools' stand-in for a desktop of several monitors: `count` monitors of one size side by
// side, the first one the primary, laid out as the renderer lays out real ones.
#pragma once

#include "view_layout.h"

ViewLayout monitorsInARow(int count, int width, int height);
