// Where the system's code page cannot write a name or the program's texts: the conversions, a
// folder named only by its short form, and the settings file and the renderer test in a folder
// that only the Unicode calls reach (Wine makes short names for every folder, so that case is
// set up by hand here).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "forms_app.h"
#include "music_settings.h"
#include "program_contract.h"
#include "system_text.h"
#include "vantrel_b_main_win32.h"
#include "vantrel_b_routines_win32.h"
#include "vantrel_b_settings_file_win32.h"

namespace {

// Through a wide path: the C++ library opens it with the Unicode call here.
std::string fileBytes(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// `fileName` (ASCII) in `folder`.
std::wstring inFolder(const std::wstring& folder, const char* fileName) {
    return folder + L"\\" + forms::wideOfAnsi(fileName);
}

// A fresh folder "Zoë" beside the test program: code page 932 has no "ë".
std::wstring freshZoeFolder() {
    const std::wstring folder = forms::wideOfAnsi(forms::App::current().path()) + L"\\Zo\u00EB";
    for (const char* name : {kSettingsFileName, kRendererFileName}) DeleteFileW(inFolder(folder, name).c_str());
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

// The App's folder for one test, put back afterwards.
class FolderOfTheProgram {
public:
    explicit FolderOfTheProgram(forms::ProgramFolder folder) : kept_(forms::App::current().folder()) {
        forms::App::current().setFolder(std::move(folder));
    }
    ~FolderOfTheProgram() { forms::App::current().setFolder(kept_); }

private:
    forms::ProgramFolder kept_;
};

}  // namespace

TEST(SystemText, TheProgramsTextsAndPathsConvertExactlyOrNotAtAll) {
    EXPECT_EQ(forms::wideOfProgramText(kRendererMissingText),
              L"Corvessa.dll \u304C Corvessa.scr \u3068\u540C\u3058\uFF8C\uFF6B\uFF99\uFF80\uFF9E\u306B"
              L"\u898B\u3064\u304B\u308A\u307E\u305B\u3093\uFF01");
    EXPECT_EQ(forms::wideOfProgramText(std::string("a\0*.MP3\0", 8)), std::wstring(L"a\0*.MP3\0", 8))
        << "a filter list keeps its NULs";
    EXPECT_EQ(forms::exactAnsiOf(L"Zo\u00EB", 1252), "Zo\xEB");
    EXPECT_EQ(forms::exactAnsiOf(L"Zo\u00EB", 932), std::nullopt) << "no best-fit \"e\"";
    EXPECT_EQ(forms::exactAnsiOf(L"\u66F2", 932), "\x8B\xC8");
    EXPECT_EQ(forms::exactAnsiOf(L"\u66F2", 1252), std::nullopt);
}

TEST(ProgramFolder, OneTheCodePageCannotWriteIsNamedByItsShortForm) {
    ASSERT_EQ(GetACP(), 932u) << "run under the generated Japanese locale";
    const std::wstring folder = freshZoeFolder();
    const forms::ProgramFolder named = forms::programFolderOf(folder);
    EXPECT_FALSE(named.unicodeOnly);
    EXPECT_EQ(named.ansi.find('?'), std::string::npos) << named.ansi;
    const DWORD attributes = GetFileAttributesA(named.ansi.c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES) << named.ansi;
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(ProgramFolder, OneWithoutAnyAnsiNameIsReachedThroughTheUnicodeCalls) {
    const std::wstring folder = freshZoeFolder();
    forms::ProgramFolder unicodeOnly;
    unicodeOnly.wide = folder;
    unicodeOnly.ansi = forms::App::current().path() + "\\Zo?";
    unicodeOnly.unicodeOnly = true;
    FolderOfTheProgram inZoe(unicodeOnly);

    // The renderer test finds the renderer that lies there.
    EXPECT_FALSE(FileExists(RendererPath()));
    HANDLE renderer = CreateFileW(inFolder(folder, kRendererFileName).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  0, nullptr);
    ASSERT_NE(renderer, INVALID_HANDLE_VALUE);
    CloseHandle(renderer);
    EXPECT_TRUE(FileExists(RendererPath()));

    // The settings file gets the bytes the ANSI calls write, and reads back.
    musicSettings() = MusicSettings{};
    musicSettings().BGM_Kind = 1;
    musicSettings().BGM_RepeatTrack = 7;
    musicSettings().BGM_File = "C:\\\x8B\xC8.mp3";
    ASSERT_TRUE(SaveSettings());
    EXPECT_EQ(fileBytes(inFolder(folder, kSettingsFileName)),
              "[Section]\r\nBGM区分=1\r\nBGMﾘﾋﾟｰﾄ=7\r\nBGMﾌｧｲﾙ=C:\\\x8B\xC8.mp3\r\n");
    musicSettings() = MusicSettings{};
    LoadSettings();
    EXPECT_EQ(musicSettings().BGM_Kind, 1);
    EXPECT_EQ(musicSettings().BGM_RepeatTrack, 7);
    EXPECT_EQ(ReadIniString("Section", "BGMﾌｧｲﾙ", SettingsPath()), "C:\\\x8B\xC8.mp3");
    musicSettings() = MusicSettings{};

    // A program there starts (Wine's own hostname.exe stands in for the renderer).
    ASSERT_TRUE(CopyFileW(L"C:\\windows\\system32\\hostname.exe", (folder + L"\\hostname.exe").c_str(), FALSE));
    const forms::UniqueHandle started = forms::App::current().startProgram(unicodeOnly.ansi + "\\hostname.exe");
    ASSERT_TRUE(started);
    EXPECT_EQ(WaitForSingleObject(started.get(), 10000), WAIT_OBJECT_0);

    // A path elsewhere keeps the ANSI calls.
    EXPECT_EQ(forms::App::current().unicodeOnlyPath("C:\\Music\\a.mp3"), std::nullopt);
}
