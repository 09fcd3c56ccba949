// Which multimedia seam the music routines talk to.
#include "multimedia_seam.h"

namespace {
MultimediaSeam* installedSeam = nullptr;
}  // namespace

MultimediaSeam& multimediaSeam() {
    return installedSeam != nullptr ? *installedSeam : platformMultimediaSeam();
}

void useMultimediaSeam(MultimediaSeam* seam) { installedSeam = seam; }
