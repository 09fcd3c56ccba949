// What Windows shows of the two programs: their version resources (Explorer's details, the
// task manager's names) and the name the screen-saver settings list Corvessa.scr by.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "corvessa_version.h"
#include "process.h"
#include "program_contract.h"

namespace {

// One program's version resource, read the way Explorer reads it.
class VersionResource {
public:
    explicit VersionResource(const std::string& path) {
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
        if (size == 0) return;
        data_.resize(size);
        if (!GetFileVersionInfoA(path.c_str(), 0, size, data_.data())) data_.clear();
    }
    bool found() const { return !data_.empty(); }

    // "a.b.c.d" from the fixed part: the numbers Windows compares and shows.
    std::string fixedVersion(bool product) const {
        void* block = nullptr;
        UINT length = 0;
        if (!VerQueryValueA(data_.data(), "\\", &block, &length) || length < sizeof(VS_FIXEDFILEINFO))
            return {};
        const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(block);
        const DWORD high = product ? fixed->dwProductVersionMS : fixed->dwFileVersionMS;
        const DWORD low = product ? fixed->dwProductVersionLS : fixed->dwFileVersionLS;
        return std::to_string(HIWORD(high)) + "." + std::to_string(LOWORD(high)) + "." +
               std::to_string(HIWORD(low)) + "." + std::to_string(LOWORD(low));
    }

    // A text of the Japanese (code page 932) string table.
    std::string text(const char* name) const {
        void* value = nullptr;
        UINT length = 0;
        const std::string key = std::string("\\StringFileInfo\\041103a4\\") + name;
        if (!VerQueryValueA(data_.data(), key.c_str(), &value, &length) || length == 0) return "<none>";
        return static_cast<const char*>(value);
    }

private:
    std::vector<char> data_;
};

}  // namespace

TEST(VersionResources, BothProgramsCarryTheProjectVersionAndTheirOwnNames) {
    const std::string version = CORVESSA_VERSION_TEXT ".0";
    struct Program {
        const char* file;
        const char* description;
    };
    for (const Program& program : {Program{kFrontEndFileName, "Corvessa (ScreenSaver)"},
                                   Program{kRendererFileName, "Corvessa renderer"}}) {
        SCOPED_TRACE(program.file);
        const VersionResource resource(e2e::inFolder(e2e::programDir(), program.file));
        ASSERT_TRUE(resource.found());
        EXPECT_EQ(resource.fixedVersion(false), version);
        EXPECT_EQ(resource.fixedVersion(true), version);
        EXPECT_EQ(resource.text("FileVersion"), version);
        EXPECT_EQ(resource.text("ProductVersion"), version);
        EXPECT_EQ(resource.text("ProductName"), "Corvessa");
        EXPECT_EQ(resource.text("FileDescription"), program.description);
        EXPECT_EQ(resource.text("OriginalFilename"), program.file);
        EXPECT_EQ(resource.text("LegalCopyright"), "Copyright (c) 2026 The Corvessa developers");
    }
}

TEST(VersionResources, TheSaverIsListedAsCorvessa) {
    HMODULE saver = LoadLibraryExA(e2e::inFolder(e2e::programDir(), kFrontEndFileName).c_str(), nullptr,
                                   LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(saver, nullptr);
    char name[64] = {};
    EXPECT_EQ(LoadStringA(saver, 1, name, sizeof name), 8);
    EXPECT_STREQ(name, "Corvessa");
    FreeLibrary(saver);
}
