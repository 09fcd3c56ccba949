// The fault and load trials under Wine. Each starts the real programs many times, the way a user
// or a failing system would, and prints what it counted. They are not tests with thresholds: a
// trial fails only when it saw what must never happen (a saver that ended by itself, a process
// left behind, a front end that outlived its renderer, music that went on).
#pragma once

namespace trials {

// One trial of `count` repetitions; false when something that must never happen was seen.
using Trial = bool (*)(int count);

bool saverCycles(int count);
bool rendererKills(int count);
bool settingsOpenCancel(int count);
bool settingsGdiHandles(int count);

}  // namespace trials
