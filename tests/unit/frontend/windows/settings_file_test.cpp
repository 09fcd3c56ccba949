// Corvessa.ini for real: the platform's profile functions, Shift_JIS keys byte for byte, the
// 255-byte limit, and LoadSettings over the file beside the program.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "forms_app.h"
#include "music_settings.h"
#include "vantrel_b_routines_win32.h"
#include "vantrel_b_settings_file_win32.h"

namespace {

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Through the ANSI file functions, as the program names files (the C++ library's narrow
// paths do not take Shift_JIS names here).
void writeFileA(const std::string& path, const std::string& content) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    DWORD written = 0;
    WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
}

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        DeleteFileA(SettingsPath().c_str());
        musicSettings() = MusicSettings{};
    }
    void TearDown() override {
        DeleteFileA(SettingsPath().c_str());
        DeleteFileA(musicFile().c_str());
    }
    // ASCII: without a generated Japanese Unix locale, Wine cannot store other file names.
    static std::string musicFile() { return forms::App::current().path() + "\\song.mp3"; }
    static void store(const char* key, const std::string& value) {
        WriteIniString("Section", key, value, SettingsPath());
    }
};

}  // namespace

TEST_F(SettingsFileTest, LiesBesideTheProgram) {
    EXPECT_EQ(SettingsPath(), forms::App::current().path() + "\\Corvessa.ini");
    EXPECT_EQ(RendererPath(), forms::App::current().path() + "\\Corvessa.dll");
}

TEST_F(SettingsFileTest, SavingWritesTheThreeKeysInShiftJis) {
    ASSERT_EQ(GetACP(), 932u) << "run under the Japanese locale";
    musicSettings().BGM_Kind = 2;
    musicSettings().BGM_RepeatTrack = -3;
    musicSettings().BGM_File = "C:\\曲\\ソング.mp3";
    SaveSettings();
    const std::string bytes = fileBytes(SettingsPath());
    EXPECT_EQ(bytes,
              "[Section]\r\n"
              "\x42\x47\x4D\x8B\xE6\x95\xAA=2\r\n"
              "\x42\x47\x4D\xD8\xCB\xDF\xB0\xC4=-3\r\n"
              "\x42\x47\x4D\xCC\xA7\xB2\xD9=C:\\\x8B\xC8\\\x83\x5C\x83\x93\x83\x4F.mp3\r\n");
}

TEST_F(SettingsFileTest, SavingNothingWritesZerosAndAnEmptyFile) {
    SaveSettings();
    EXPECT_EQ(ReadIniString("Section", "BGM区分", SettingsPath()), "0");
    EXPECT_EQ(ReadIniString("Section", "BGMﾘﾋﾟｰﾄ", SettingsPath()), "0");
    EXPECT_NE(fileBytes(SettingsPath()).find("BGMﾌｧｲﾙ=\r\n"), std::string::npos);
}

TEST_F(SettingsFileTest, SavingReportsAFileThatCannotBeWritten) {
    EXPECT_TRUE(SaveSettings());
    DeleteFileA(SettingsPath().c_str());
    // A folder in the file's place: the one failure that also stops root.
    ASSERT_TRUE(CreateDirectoryA(SettingsPath().c_str(), nullptr));
    EXPECT_FALSE(SaveSettings());
    RemoveDirectoryA(SettingsPath().c_str());
}

TEST_F(SettingsFileTest, ReadsAtMost255Bytes) {
    const std::string exact = "C:\\" + std::string(252, 'a');
    store("BGMﾌｧｲﾙ", exact);
    EXPECT_EQ(ReadIniString("Section", "BGMﾌｧｲﾙ", SettingsPath()), exact);
    const std::string longer = "C:\\" + std::string(300, 'b');
    store("BGMﾌｧｲﾙ", longer);
    EXPECT_EQ(ReadIniString("Section", "BGMﾌｧｲﾙ", SettingsPath()), longer.substr(0, 255));
}

TEST_F(SettingsFileTest, MissingFileSectionOrKeyReadsEmptyAndCreatesNothing) {
    EXPECT_EQ(ReadIniString("Section", "BGM区分", SettingsPath()), "");
    EXPECT_EQ(GetFileAttributesA(SettingsPath().c_str()), INVALID_FILE_ATTRIBUTES);
    LoadSettings();
    EXPECT_EQ(GetFileAttributesA(SettingsPath().c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(musicSettings().BGM_Kind, 0);
    store("BGM区分", "1");
    EXPECT_EQ(ReadIniString("Other", "BGM区分", SettingsPath()), "");
    EXPECT_EQ(ReadIniString("Section", "BGM", SettingsPath()), "");
}

TEST_F(SettingsFileTest, LoadingAppliesTheNumberRules) {
    store("BGM区分", "abc");
    store("BGMﾘﾋﾟｰﾄ", "1.9");
    LoadSettings();
    EXPECT_EQ(musicSettings().BGM_Kind, 0);
    EXPECT_EQ(musicSettings().BGM_RepeatTrack, 1);

    store("BGM区分", "3");
    store("BGMﾘﾋﾟｰﾄ", "40000");
    musicSettings() = MusicSettings{};
    LoadSettings();
    EXPECT_EQ(musicSettings().BGM_Kind, 3);
    EXPECT_EQ(musicSettings().BGM_RepeatTrack, 0);
}

TEST_F(SettingsFileTest, LoadingChecksTheMusicFile) {
    store("BGM区分", "2");
    store("BGMﾌｧｲﾙ", musicFile());
    LoadSettings();
    EXPECT_EQ(musicSettings().BGM_Kind, 0) << "kind 2 without an existing file";
    EXPECT_EQ(musicSettings().BGM_File, "");

    writeFileA(musicFile(), "ID3");
    musicSettings() = MusicSettings{};
    LoadSettings();
    EXPECT_EQ(musicSettings().BGM_Kind, 2);
    EXPECT_EQ(musicSettings().BGM_File, musicFile());

    DeleteFileA(musicFile().c_str());
    store("BGM区分", "1");
    musicSettings() = MusicSettings{};
    LoadSettings();
    EXPECT_EQ(musicSettings().BGM_Kind, 1) << "CD audio does not need the file";
    EXPECT_EQ(musicSettings().BGM_File, "");
}

TEST(FileExists, IsTrueOnlyForFilesThatOpen) {
    const std::string folder = forms::App::current().path() + "\\file-exists";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string file = folder + "\\a.txt";
    writeFileA(file, "x");

    EXPECT_TRUE(FileExists(file));
    EXPECT_TRUE(FileExists(file + "\\"));
    EXPECT_FALSE(FileExists(folder)) << "a folder is not a file";
    EXPECT_FALSE(FileExists(folder + "\\"));
    EXPECT_FALSE(FileExists(folder + "\\missing.txt"));
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(FileExists("\\"));
    EXPECT_EQ(GetLastError(), 0u) << "the failure must leave no error behind";

    DeleteFileA(file.c_str());
    RemoveDirectoryA(folder.c_str());
}
