// The narrow seam between the music module and the platform's multimedia library: MCI command
// strings, their error texts, the wave-device count and PlaySoundA. The programs use winmm
// behind it; tests install a scripted stand-in that records every call. Three files implement
// it: multimedia_seam.cpp chooses the seam in use, and platformMultimediaSeam is in
// multimedia_seam_winmm.cpp or multimedia_seam_silent.cpp, whichever the build compiles.
#pragma once

#include <cstdint>

class MultimediaSeam {
public:
    virtual ~MultimediaSeam() = default;

    // mciSendStringA(command, reply, replySize, no window): gives the platform's MCI error code,
    // 0 on success. `reply` may be null with `replySize` 0 when no reply is wanted. The platform
    // writes at most `replySize` characters, and a reply that does not fit may end without NUL.
    virtual std::uint32_t sendString(const char* command, char* reply, std::uint32_t replySize) = 0;

    // mciGetErrorStringA(code, text, textSize): false when the platform has no text for `code`.
    virtual bool errorString(std::uint32_t code, char* text, std::uint32_t textSize) = 0;

    // waveOutGetNumDevs(): the number of wave output devices.
    virtual std::uint32_t waveOutDeviceCount() = 0;

    // PlaySoundA(name, no module, flags); `name` may be null (stop). The result is not wanted.
    virtual void playSound(const char* name, std::uint32_t flags) = 0;
};

// The seam the music routines use: the one installed by useMultimediaSeam, else the platform's.
MultimediaSeam& multimediaSeam();

// Installs `seam` for the whole process (null goes back to the platform's). Tests only.
void useMultimediaSeam(MultimediaSeam* seam);

// The platform's own seam: winmm in the Windows programs, a silent one natively (no devices).
MultimediaSeam& platformMultimediaSeam();
