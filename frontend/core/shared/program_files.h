// The files that lie beside Corvessa.scr: the renderer it starts and the settings file it keeps.
#pragma once

inline constexpr const char* kRendererFileName = "Corvessa.dll";
inline constexpr const char* kSettingsFileName = "Corvessa.ini";
