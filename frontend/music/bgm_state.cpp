// The music module's process-wide state.
#include "bgm_state.h"

BgmState& bgmState() {
    static BgmState state;
    return state;
}
