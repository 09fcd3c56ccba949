// The per-user installer as a user meets it, run silently in a Wine prefix of its own (see
// installer_test.sh): what it puts where, the saver turned on and started by the value the
// system starts it by, the Start-menu entry that chooses it again, a second install over a
// written Corvessa.ini, and uninstalls that leave nothing behind.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "corvessa_version.h"
#include "process.h"
#include "program_contract.h"
#include "windows_probe.h"

namespace {

constexpr const char* kDesktopKey = "Control Panel\\Desktop";
constexpr const char* kUninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Corvessa";
constexpr DWORD kInstallerTimeoutMs = 120000;
constexpr const char* kReportSaverActive = "--report-saver-active";
// The Start-menu entry as the installer names it on the scenario's Japanese system (CP932).
const std::string kShortcutName = "Corvessa をスクリーン セーバーに設定.lnk";
// Written by the settings dialog between two installs (CP932 keys).
const std::string kSettings = "[Section]\r\nBGM区分=2\r\nBGMﾘﾋﾟｰﾄ=0\r\nBGMﾌｧｲﾙ=C:\\Music\\a.mp3\r\n";

std::string environment(const char* name) {
    char value[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableA(name, value, MAX_PATH);
    return length < MAX_PATH ? value : "";
}

std::string installDir() { return environment("LOCALAPPDATA") + "\\Programs\\Corvessa"; }

std::optional<std::string> userValue(const char* key, const char* name) {
    char data[1024] = {};
    DWORD size = sizeof data;
    if (RegGetValueA(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::string(data);
}

void setUserValue(const char* key, const char* name, const std::string& text) {
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, key, name, REG_SZ, text.c_str(),
                              static_cast<DWORD>(text.size() + 1)), ERROR_SUCCESS);
}

std::vector<std::string> filesIn(const std::string& dir) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((dir + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (std::string(found.cFileName) != "." && std::string(found.cFileName) != "..")
            names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

bool namesCorvessa(std::string text) {
    CharLowerA(text.data());
    return text.find("corvessa") != std::string::npos;
}

// Every file or folder below `dir` whose name says Corvessa.
void findNamedFiles(const std::string& dir, std::vector<std::string>& found) {
    for (const std::string& name : filesIn(dir)) {
        const std::string path = dir + "\\" + name;
        if (namesCorvessa(name)) found.push_back(path);
        const DWORD attributes = GetFileAttributesA(path.c_str());
        if ((attributes & FILE_ATTRIBUTE_DIRECTORY) && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
            findNamedFiles(path, found);
    }
}

// Every key, value name or text value below `path` that says Corvessa.
void findNamedRegistryEntries(HKEY root, const std::string& path, std::vector<std::string>& found) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
    char name[512];
    BYTE data[2048];
    for (DWORD i = 0;; ++i) {
        DWORD nameSize = sizeof name, dataSize = sizeof data, type = 0;
        const LONG result = RegEnumValueA(key, i, name, &nameSize, nullptr, &type, data, &dataSize);
        if (result == ERROR_NO_MORE_ITEMS) break;
        if (result != ERROR_SUCCESS) continue;
        const bool text = type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
        if (namesCorvessa(name) ||
            (text && namesCorvessa(std::string(reinterpret_cast<char*>(data), dataSize))))
            found.push_back(path + " : " + name);
    }
    std::vector<std::string> subkeys;
    for (DWORD i = 0;; ++i) {
        DWORD nameSize = sizeof name;
        if (RegEnumKeyExA(key, i, name, &nameSize, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        subkeys.push_back(path.empty() ? name : path + "\\" + name);
    }
    RegCloseKey(key);
    for (const std::string& subkey : subkeys) {
        if (namesCorvessa(subkey)) found.push_back(subkey);
        findNamedRegistryEntries(root, subkey, found);
    }
}

// Runs `commandLine` until it and everything it started have ended: the uninstaller copies
// itself out of the folder it empties, starts the copy and returns at once. The exit code.
std::optional<DWORD> runToTheEnd(const std::string& commandLine) {
    // Wine starts its desktop process with the first program that needs one, and it lives on;
    // started here it stays out of the job, which would otherwise never empty.
    GetDesktopWindow();
    e2e::Process process;
    if (!process.start(commandLine)) return std::nullopt;
    const std::optional<DWORD> code = process.waitForExit(kInstallerTimeoutMs);
    if (!process.waitForAllToEnd(kInstallerTimeoutMs)) return std::nullopt;
    return code;
}

void silentInstall() {
    const std::string setup = environment("CORVESSA_SETUP");
    ASSERT_FALSE(setup.empty()) << "CORVESSA_SETUP names no installer";
    ASSERT_EQ(runToTheEnd("\"" + setup + "\" /S"), std::optional<DWORD>(0));
}

void silentUninstall(const std::string& options = {}) {
    const std::string temporary = environment("TEMP");
    const std::vector<std::string> temporaryFiles = filesIn(temporary);
    ASSERT_EQ(runToTheEnd("\"" + installDir() + "\\Uninstall.exe\" /S" + options), std::optional<DWORD>(0));
    // The copy it ran from, in the temporary folder, goes a moment after it has ended.
    bool restored = false;
    for (int i = 0; i < 300 && !(restored = filesIn(temporary) == temporaryFiles); ++i) Sleep(100);
    EXPECT_TRUE(restored) << "the uninstaller left its copy in " << temporary;
}

// As choosing "(None)" leaves it: no saver named, and the saver off for later sessions too.
void chooseNoSaver() {
    RegDeleteKeyValueA(HKEY_CURRENT_USER, kDesktopKey, "SCRNSAVE.EXE");
    ASSERT_TRUE(SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, FALSE, nullptr, SPIF_UPDATEINIFILE));
}

// Wine keeps the parameters a process has read or set in that process: only one started now
// sees what the installer set. Its exit code, TRUE when the saver is on.
std::optional<DWORD> saverActiveInNewProcess() {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    e2e::Process probe;
    if (!probe.start("\"" + std::string(self) + "\" " + kReportSaverActive)) return std::nullopt;
    return probe.waitForExit(30000);
}

std::string programsMenu() {
    char path[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

std::vector<std::string> menuEntries() {
    std::vector<std::string> names = filesIn(programsMenu());
    names.erase(std::remove_if(names.begin(), names.end(), [](auto& name) { return !namesCorvessa(name); }),
                names.end());
    return names;
}

// The program and the arguments a shortcut runs, read back as the shell reads them.
std::string shortcutCommand(const std::string& path) {
    wchar_t widePath[MAX_PATH] = {}, program[MAX_PATH] = {}, arguments[1024] = {};
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, widePath, MAX_PATH);
    CoInitialize(nullptr);
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link)))) {
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
            SUCCEEDED(file->Load(widePath, STGM_READ))) {
            link->GetPath(program, MAX_PATH, nullptr, SLGP_RAWPATH);
            link->GetArguments(arguments, 1024);
        }
        if (file) file->Release();
        link->Release();
    }
    CoUninitialize();
    char command[2048] = {};
    WideCharToMultiByte(CP_ACP, 0, (std::wstring(program) + L" " + arguments).c_str(), -1, command,
                        sizeof command, nullptr, nullptr);
    return command;
}

void expectInstalled() {
    const std::string dir = installDir();
    std::vector<std::string> files = filesIn(dir);
    files.erase(std::remove(files.begin(), files.end(), kSettingsFileName), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{kRendererFileName, kFrontEndFileName, "LICENSE", "README.txt",
                                               "Uninstall.exe"}));
    for (const char* program : {kFrontEndFileName, kRendererFileName}) {
        DWORD type = 0;
        EXPECT_TRUE(GetBinaryTypeA(e2e::inFolder(dir, program).c_str(), &type) && type == SCS_64BIT_BINARY)
            << program << ": a 64-bit system gets the 64-bit programs";
    }
    char shortPath[MAX_PATH] = {};
    GetShortPathNameA(e2e::inFolder(dir, kFrontEndFileName).c_str(), shortPath, MAX_PATH);
    EXPECT_EQ(userValue(kDesktopKey, "SCRNSAVE.EXE"), std::string(shortPath));
    EXPECT_EQ(saverActiveInNewProcess(), std::optional<DWORD>(TRUE)) << "the saver is not on";
    EXPECT_EQ(userValue(kDesktopKey, "ScreenSaveActive"), "1");
    // What the .scr file's own Install command runs; the system's folder as Windows names it.
    EXPECT_EQ(menuEntries(), std::vector<std::string>{kShortcutName});
    const std::string command = shortcutCommand(programsMenu() + "\\" + kShortcutName);
    const std::string expected =
        environment("WINDIR") + "\\System32\\rundll32.exe desk.cpl,InstallScreenSaver " + shortPath;
    EXPECT_EQ(lstrcmpiA(command.c_str(), expected.c_str()), 0) << command << "\nwanted " << expected;
    EXPECT_EQ(userValue(kUninstallKey, "DisplayName"), "Corvessa");
    EXPECT_EQ(userValue(kUninstallKey, "DisplayVersion"), CORVESSA_VERSION_TEXT);
    EXPECT_EQ(userValue(kUninstallKey, "UninstallString"), "\"" + dir + "\\Uninstall.exe\"");
}

// Started as the system starts the active saver: its stored value with " /s" appended.
void expectSaverStartsFromTheValue() {
    const std::optional<std::string> value = userValue(kDesktopKey, "SCRNSAVE.EXE");
    ASSERT_TRUE(value);
    e2e::Process saver;
    ASSERT_TRUE(saver.start(*value + " /s"));
    EXPECT_NE(e2e::waitForWindow(kRendererWindowTitle, 30000, kRendererWindowClass), nullptr)
        << "the installed saver showed no renderer window";
    saver.kill();
    EXPECT_TRUE(e2e::waitForNoWindow(kRendererWindowTitle, 10000));
}

}  // namespace

TEST(Installer, SilentInstallRunsTheSaverKeepsItsSettingsAndUninstallsCleanly) {
    ASSERT_NO_FATAL_FAILURE(chooseNoSaver());
    ASSERT_NO_FATAL_FAILURE(silentInstall());
    expectInstalled();
    expectSaverStartsFromTheValue();

    const std::string ini = e2e::inFolder(installDir(), kSettingsFileName);
    std::ofstream(ini, std::ios::binary) << kSettings;
    ASSERT_NO_FATAL_FAILURE(chooseNoSaver());
    ASSERT_NO_FATAL_FAILURE(silentInstall());
    expectInstalled();
    EXPECT_EQ(e2e::fileBytes(ini), kSettings) << "a second install must keep the user's settings";

    // In capitals, as older systems' settings write it: still this copy.
    std::string value = userValue(kDesktopKey, "SCRNSAVE.EXE").value_or("");
    CharUpperA(value.data());
    ASSERT_NO_FATAL_FAILURE(setUserValue(kDesktopKey, "SCRNSAVE.EXE", value));
    ASSERT_NO_FATAL_FAILURE(silentUninstall());
    EXPECT_EQ(filesIn(installDir()), std::vector<std::string>{kSettingsFileName});
    EXPECT_EQ(e2e::fileBytes(ini), kSettings);
    EXPECT_EQ(userValue(kDesktopKey, "SCRNSAVE.EXE"), std::nullopt);
    EXPECT_EQ(saverActiveInNewProcess(), std::optional<DWORD>(FALSE)) << "the saver is still on";
    EXPECT_EQ(userValue(kDesktopKey, "ScreenSaveActive"), "0");
    EXPECT_EQ(menuEntries(), std::vector<std::string>{});
    std::vector<std::string> traces;
    findNamedRegistryEntries(HKEY_CURRENT_USER, "", traces);
    EXPECT_EQ(traces, std::vector<std::string>{}) << "the uninstall entry or another value stayed";
}

TEST(Installer, UninstallLeavesAnotherChosenSaverAndRemovesTheSettingsWhenAsked) {
    ASSERT_NO_FATAL_FAILURE(silentInstall());
    std::ofstream(e2e::inFolder(installDir(), kSettingsFileName), std::ios::binary) << kSettings;
    // Since then the user has chosen another copy of the same name, in another folder.
    const std::string otherDir = "C:\\other-savers";
    const std::string otherSaver = e2e::inFolder(otherDir, kFrontEndFileName);
    CreateDirectoryA(otherDir.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA(e2e::inFolder(installDir(), kFrontEndFileName).c_str(), otherSaver.c_str(), FALSE));
    ASSERT_NO_FATAL_FAILURE(setUserValue(kDesktopKey, "SCRNSAVE.EXE", otherSaver));

    ASSERT_NO_FATAL_FAILURE(silentUninstall(" /REMOVESETTINGS"));
    EXPECT_EQ(userValue(kDesktopKey, "SCRNSAVE.EXE"), otherSaver);
    EXPECT_EQ(userValue(kDesktopKey, "ScreenSaveActive"), "1") << "the other saver was turned off";
    EXPECT_EQ(GetFileAttributesA(installDir().c_str()), INVALID_FILE_ATTRIBUTES);

    RegDeleteKeyValueA(HKEY_CURRENT_USER, kDesktopKey, "SCRNSAVE.EXE");
    DeleteFileA(otherSaver.c_str());
    RemoveDirectoryA(otherDir.c_str());
    // Nothing else of Corvessa anywhere an installer of the user writes: the profile's
    // application data (programs, Start menu), the desktop, the registry.
    std::vector<std::string> traces;
    findNamedFiles(environment("LOCALAPPDATA"), traces);
    findNamedFiles(environment("APPDATA"), traces);
    for (const std::string& name : filesIn(environment("USERPROFILE") + "\\Desktop"))
        if (namesCorvessa(name)) traces.push_back("Desktop\\" + name);
    findNamedRegistryEntries(HKEY_CURRENT_USER, "", traces);
    EXPECT_EQ(traces, std::vector<std::string>{});
}

// Started again with kReportSaverActive, the program answers for a process of its own (2: it
// could not tell).
int main(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == kReportSaverActive) {
        BOOL active = 2;
        SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &active, 0);
        return active;
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
