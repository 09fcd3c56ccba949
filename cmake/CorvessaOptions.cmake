# Compile options shared by every target: CP932 narrow literals, strict floats, warnings.
add_library(corvessa_options INTERFACE)
target_compile_options(corvessa_options INTERFACE
    -finput-charset=UTF-8
    -ffp-contract=off
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
# clang knows no execution character set but UTF-8. Only the fuzz build uses it, and there the
# fixed texts keep their UTF-8 bytes: no rule the targets drive decides by those bytes.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    target_compile_options(corvessa_options INTERFACE -fexec-charset=CP932)
endif()
if(CORVESSA_WERROR)
    target_compile_options(corvessa_options INTERFACE -Werror)
endif()

# 32-bit x86 would otherwise do float maths in x87 registers with extra precision,
# and the animation must come out the same on both targets.
if(WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 4)
    target_compile_options(corvessa_options INTERFACE -msse2 -mfpmath=sse)
endif()

if(WIN32)
    target_compile_definitions(corvessa_options INTERFACE
        WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
    # Static runtime: the programs must run from a bare folder with no DLLs beside them.
    target_link_options(corvessa_options INTERFACE -static -static-libgcc -static-libstdc++)
endif()

if(CORVESSA_SANITIZE)
    target_compile_options(corvessa_options INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    target_link_options(corvessa_options INTERFACE -fsanitize=address,undefined)
endif()

if(CORVESSA_FUZZ)
    # Coverage for libFuzzer and the sanitizers in every library; the fuzzer's own main is
    # linked into the fuzz programs only (tests/fuzz).
    target_compile_options(corvessa_options INTERFACE
        -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    target_link_options(corvessa_options INTERFACE -fsanitize=address,undefined)
endif()
