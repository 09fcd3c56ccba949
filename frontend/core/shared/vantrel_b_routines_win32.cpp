// FileExists and the caption zoom between the saved pointer position and a window.
#include "vantrel_b_routines_win32.h"

#include "forms_app.h"
#include "path_text.h"

bool FileExists(const std::string& path) {
    const std::string tested = withoutTrailingSeparator(path);
    bool exists = false;
    if (!tested.empty()) {
        // Opening for reading fails for a folder (no backup semantics asked for), as it should.
        constexpr DWORD kShare = FILE_SHARE_READ | FILE_SHARE_WRITE;
        const std::optional<std::wstring> wide = forms::App::current().unicodeOnlyPath(tested);
        HANDLE file = wide ? CreateFileW(wide->c_str(), GENERIC_READ, kShare, nullptr, OPEN_EXISTING,
                                         FILE_FLAG_SEQUENTIAL_SCAN, nullptr)
                           : CreateFileA(tested.c_str(), GENERIC_READ, kShare, nullptr, OPEN_EXISTING,
                                         FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            exists = true;
            CloseHandle(file);
        }
    }
    // The failure must leave no trace for the caller.
    SetLastError(ERROR_SUCCESS);
    return exists;
}

CursorPosition& CursorPoint() {
    static CursorPosition point;
    return point;
}

namespace {

RECT cursorRect() {
    const CursorPosition& point = CursorPoint();
    return RECT{point.X, point.Y, point.X, point.Y};
}

}  // namespace

void ZoomFromCursor(HWND window) {
    const RECT from = cursorRect();
    RECT to{};
    GetWindowRect(window, &to);
    DrawAnimatedRects(window, IDANI_CAPTION, &from, &to);
}

void ZoomToCursor(HWND window) {
    RECT from{};
    GetWindowRect(window, &from);
    const RECT to = cursorRect();
    DrawAnimatedRects(window, IDANI_CAPTION, &from, &to);
}
