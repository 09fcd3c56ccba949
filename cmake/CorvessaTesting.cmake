# Test helpers: unit tests run natively and, in the Windows builds, under Wine;
# end-to-end tests start the real programs under Wine in a virtual display.
enable_testing()

set(CORVESSA_WINE_STATE ${CMAKE_BINARY_DIR}/wine CACHE INTERNAL "")
set(CORVESSA_HARNESS_DIR ${CMAKE_SOURCE_DIR}/tests/harness CACHE INTERNAL "")

# Both Windows builds run their tests under Wine. Whether this machine runs 32-bit code is
# asked when a test runs, not here: on one that cannot, each i686 test reports itself skipped.
if(WIN32)
    set(CORVESSA_RUNS_WINE ON)
    math(EXPR bits "${CMAKE_SIZEOF_VOID_P} * 8")
    set(CORVESSA_WINE_ENVIRONMENT "CORVESSA_WINE_STATE=${CORVESSA_WINE_STATE};CORVESSA_WINE_BITS=${bits}")
    # Lets ctest run the Windows test programs; the wrapper supplies the prefix and display.
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CORVESSA_HARNESS_DIR}/wine-run.sh)
else()
    set(CORVESSA_RUNS_WINE OFF)
endif()

if(NOT TARGET gtest)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    if(CORVESSA_SANITIZE)
        foreach(t gtest gtest_main gmock gmock_main)
            target_compile_options(${t} PRIVATE -fsanitize=address,undefined)
        endforeach()
    endif()
endif()
include(GoogleTest)

if(CORVESSA_RUNS_WINE)
    # One prefix and one Xvfb per ctest run, made by the first test and ended by the last.
    add_test(NAME wine_session.start
             COMMAND ${CORVESSA_HARNESS_DIR}/session.sh start ${CORVESSA_WINE_STATE})
    add_test(NAME wine_session.stop
             COMMAND ${CORVESSA_HARNESS_DIR}/session.sh stop ${CORVESSA_WINE_STATE})
    set_tests_properties(wine_session.start PROPERTIES FIXTURES_SETUP wine_session TIMEOUT 180
                         ENVIRONMENT "${CORVESSA_WINE_ENVIRONMENT}" SKIP_RETURN_CODE 77)
    set_tests_properties(wine_session.stop PROPERTIES FIXTURES_CLEANUP wine_session)
endif()

# Marks a test that runs a Windows program under the shared Wine session. Exit code 77 is
# the harness saying that this machine cannot run the program (see tests/harness/wine-env.sh).
function(corvessa_wine_test_properties test)
    set_tests_properties(${test} PROPERTIES
        FIXTURES_REQUIRED wine_session
        ENVIRONMENT "${CORVESSA_WINE_ENVIRONMENT}"
        SKIP_RETURN_CODE 77
        ${ARGN})
endfunction()

# corvessa_add_unit_tests(<name> SOURCES ... LIBRARIES ...)
function(corvessa_add_unit_tests name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} corvessa_options GTest::gmock GTest::gtest_main)
    # Not in bin/: the tests write and delete files beside themselves (Corvessa.ini among them),
    # which must not touch what a developer keeps beside the programs there.
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
    if(NOT WIN32)
        gtest_discover_tests(${name} PROPERTIES LABELS unit DISCOVERY_TIMEOUT 60)
    elseif(CORVESSA_RUNS_WINE)
        # One Wine process per program: a Wine start per test case would cost more than the tests.
        add_test(NAME wine.${name} COMMAND ${name})
        corvessa_wine_test_properties(wine.${name} LABELS wine-unit TIMEOUT 300)
    endif()
endfunction()

# corvessa_add_e2e_test(<name> SOURCES ... [LIBRARIES ...] [DEPENDS targets...] [ARGS ...])
# The test program is itself a Windows program: it drives the real programs from inside Wine.
function(corvessa_add_e2e_test name)
    cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBRARIES;DEPENDS;ARGS" ${ARGN})
    if(NOT (CORVESSA_RUNS_WINE AND CORVESSA_E2E))
        return()
    endif()
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 300)
    endif()
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE corvessa_e2e_support ${ARG_LIBRARIES}
                          corvessa_options GTest::gtest_main)
    if(ARG_DEPENDS)
        add_dependencies(${name} ${ARG_DEPENDS})
    endif()
    add_test(NAME e2e.${name} COMMAND ${name} ${ARG_ARGS})
    # The desktop, the pointer and the window titles are shared: one scenario at a time.
    corvessa_wine_test_properties(e2e.${name} LABELS e2e RESOURCE_LOCK desktop TIMEOUT ${ARG_TIMEOUT})
endfunction()

# corvessa_add_e2e_run(<name> PROGRAM <e2e program> ARGS ... [ENVIRONMENT ...] [RUN_SERIAL])
# One more run of an end-to-end program, for scenarios that need a setting of their own: a code
# page (ENVIRONMENT CORVESSA_WINE_LANG=...), or the screen's scale, which a scenario may change
# only while no other program starts (RUN_SERIAL).
function(corvessa_add_e2e_run name)
    cmake_parse_arguments(ARG "RUN_SERIAL" "PROGRAM;TIMEOUT" "ARGS;ENVIRONMENT" ${ARGN})
    if(NOT TARGET ${ARG_PROGRAM})
        return()
    endif()
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 300)
    endif()
    add_test(NAME e2e.${name} COMMAND ${ARG_PROGRAM} ${ARG_ARGS})
    corvessa_wine_test_properties(e2e.${name} LABELS e2e RESOURCE_LOCK desktop TIMEOUT ${ARG_TIMEOUT}
                                  RUN_SERIAL ${ARG_RUN_SERIAL})
    set_property(TEST e2e.${name} APPEND PROPERTY ENVIRONMENT ${ARG_ENVIRONMENT})
endfunction()
