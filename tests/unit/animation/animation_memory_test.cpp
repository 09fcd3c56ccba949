// Start-up without memory: whichever allocation of the emitters, streams or trails fails,
// the animation reports it and keeps nothing half-built.
#include "animation_state.h"
#include "renderer_settings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

namespace {

// Allocations left before operator new fails; negative: never fail.
int allocationsBeforeFailure = -1;
bool allocationFailed = false;

}  // namespace

void* operator new(std::size_t size) {
    if (allocationsBeforeFailure == 0) {
        allocationFailed = true;
        throw std::bad_alloc();
    }
    if (allocationsBeforeFailure > 0) {
        --allocationsBeforeFailure;
    }
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

TEST(AnimationMemory, EveryFailedAllocationAtStartUpIsReported) {
    const RendererSettings settings = fixedRendererSettings();
    int failures = 0;
    for (int allowed = 0; allowed < 64; ++allowed) {
        AnimationState state;
        allocationFailed = false;
        allocationsBeforeFailure = allowed;
        const bool built = buildAnimation(state, settings);
        allocationsBeforeFailure = -1;
        const bool ranOut = allocationFailed;
        if (!ranOut) {
            EXPECT_TRUE(built);
            EXPECT_TRUE(animationReady(state));
            break;
        }
        ++failures;
        EXPECT_FALSE(built) << "after " << allowed << " allocations";
        EXPECT_TRUE(state.emitters.empty());
        EXPECT_FALSE(animationReady(state));
    }
    // The array, two emitters' stream arrays and four trails at least.
    EXPECT_GE(failures, 7);
}

}  // namespace
