// The text corvessa-trace prints: the control values of every emitter and the newest point
// of every stream, with every float as %.9g so that each bit of the simulation shows.
#pragma once

#include "animation_state.h"

#include <string>

// One float as %.9g; "nan", "inf" and "-inf" spelled alike on every C runtime.
std::string formatTraceFloat(float value);

// The lines for frame `frame` (from 1), each ending in '\n'.
std::string traceLines(int frame, const AnimationState& state);
