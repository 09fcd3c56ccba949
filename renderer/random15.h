// The renderer's only source of randomness: a 15-bit linear congruential generator whose
// sequence must be the same on every build, so that a seed always gives the same animation.
#pragma once

#include <cstdint>

// Sets the generator's 32-bit state.
void seedRandom15(std::uint32_t seed);

// The generator's 32-bit state, for handing the generator from one animation to another.
std::uint32_t random15State();

// Advances the state and returns a whole number from 0 to 32767.
int random15();

// A draw turned into a value in [-1, 1] (the factor is the single-precision 2 / 32767).
float signedDraw();

// A draw turned into a value in [0, 1] (the factor is the single-precision 1 / 32767).
float unitDraw();

// The renderer's start: seeds the generator, then throws away the first 20 draws. The
// renderer seeds with the clock; the tools and tests with a chosen seed.
void startRandom15(std::uint32_t seed);
