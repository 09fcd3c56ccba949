// Writes the number of wave output devices this process sees into the file named by its
// argument: how a scenario checks what a program started in a given environment would see.
#include <windows.h>
#include <mmsystem.h>

#include <fstream>

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    std::ofstream(argv[1]) << waveOutGetNumDevs() << "\n";
    return 0;
}
