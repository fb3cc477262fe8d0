# Unit tests run natively; Windows tests run through wine64 in a private prefix.

if(BUILD_TESTING)
    include(GoogleTest)

    if(NOT WIN32)
        find_package(GTest REQUIRED)
    elseif(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
        set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
        set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
        add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
        set(LW_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
        set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/tools/wine-run ${LW_WINEPREFIX})
        # Boots (once) the prefix and starts its server before any Windows test runs.
        add_test(NAME wine_prefix
                 COMMAND ${PROJECT_SOURCE_DIR}/tools/wine-prefix ${LW_WINEPREFIX})
        set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
        # The stand-in modem's data and control lines (tools/modem_stand_in), clear of the
        # ports that Wine gives the machine's own serial devices from COM1 on.
        set(LW_MODEM_PORT 5)
        set(LW_MODEM_CONTROL_PORT 6)
    endif()
endif()

# lw_native_test(name SOURCES... LIBS...): a GoogleTest binary for the host.
function(lw_native_test name)
    if(NOT BUILD_TESTING OR WIN32 OR LW_FUZZ)
        return()
    endif()
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE project_options ${ARG_LIBS} GTest::gtest_main)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 30 PROPERTIES TIMEOUT 60)
endfunction()

# lw_wine_test(name SOURCES... LIBS... [LOCKS...] [FILES...] [FIXTURES...]): a GoogleTest
# binary run under Wine, one ctest entry per test. LOCKS names shared parts of the prefix
# (such as the Windows directory) that the tests change, so that ctest never runs two such
# binaries at once. FILES are extra programs the tests start (built before the tests).
# FIXTURES are ctest fixtures the tests need besides the prefix (such as the stand-in modem).
function(lw_wine_test name)
    if(NOT BUILD_TESTING OR NOT WIN32 OR NOT CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
        return()
    endif()
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;LOCKS;FILES;FIXTURES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE project_options ${ARG_LIBS} gtest_main)
    if(ARG_FILES)
        add_dependencies(${name} ${ARG_FILES})
    endif()
    gtest_add_tests(TARGET ${name} SOURCES ${ARG_SOURCES} TEST_LIST tests)
    set_tests_properties(${tests} PROPERTIES FIXTURES_REQUIRED "wine;${ARG_FIXTURES}" TIMEOUT 60
                                             LABELS wine)
    if(ARG_LOCKS)
        set_tests_properties(${tests} PROPERTIES RESOURCE_LOCK "${ARG_LOCKS}")
    endif()
endfunction()
