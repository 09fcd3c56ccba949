// The one protocol between the two programs. Corvessa.scr starts Corvessa.dll by its file name
// beside itself, and from then on only looks for a window with the renderer's title: no message
// passes between the processes, and once that window is gone the saver ends. Both programs,
// their tests, the trials and the benchmarks take these names from here, so they cannot drift
// apart. User-visible texts that mention the files (the missing-renderer message) keep their
// own exact bytes.
#pragma once

// The renderer's full-screen window. The front end watches for it by its title alone; the
// class is the one screen savers register, by which a starting renderer finds another saver
// and the tests tell the real window from any other of that title.
inline constexpr const char* kRendererWindowTitle = "Vantrel_VC";
inline constexpr const char* kRendererWindowClass = "WindowsScreenSaverClass";

// The files that lie side by side in one folder: the front end that the system starts as the
// screen saver, the renderer program that it starts, and the music settings that only the
// front end reads and writes.
inline constexpr const char* kFrontEndFileName = "Corvessa.scr";
inline constexpr const char* kRendererFileName = "Corvessa.dll";
inline constexpr const char* kSettingsFileName = "Corvessa.ini";

// The exit code of a renderer that the front end ended itself: one whose window stopped
// answering while the user acted, keeping the screen from them. A renderer that ends by its own
// rules exits with 0, so a test or a trial tells the two apart.
inline constexpr unsigned kRendererEndedByFrontEndExitCode = 0x4356;
