// The 15-bit generator behind every random choice of the animation.
#include "random15.h"

namespace {

std::uint32_t& generatorState() {
    static std::uint32_t state = 0;
    return state;
}

// Written out as float literals so that no build widens them to double.
constexpr float kSignedFactor = 6.1037019e-05f;
constexpr float kUnitFactor = 3.0518509e-05f;

}  // namespace

void seedRandom15(std::uint32_t seed) { generatorState() = seed; }

std::uint32_t random15State() { return generatorState(); }

int random15() {
    std::uint32_t& state = generatorState();
    // Unsigned arithmetic wraps modulo 2^32, which is what the sequence is defined by.
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 0x7FFFu);
}

float signedDraw() { return static_cast<float>(random15()) * kSignedFactor - 1.0f; }

float unitDraw() { return static_cast<float>(random15()) * kUnitFactor; }

void startRandom15(std::uint32_t seed) {
    constexpr int kDiscardedDraws = 20;
    seedRandom15(seed);
    for (int i = 0; i < kDiscardedDraws; ++i) {
        random15();
    }
}
