// The music-kind rows of the settings dialog.
#include "music_kind_view.h"

MusicKindView musicKindViewOf(int kind) {
    const bool known = kind >= 0 && kind < kMusicKindCount;
    return MusicKindView{known ? kind : -1, kind == 1, kind == 2};
}
