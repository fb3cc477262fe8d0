# libFuzzer targets for the readers of outside input, built by clang in their own build
# directory (the "fuzz" preset). Everything in that build is instrumented for the fuzzer and
# runs under AddressSanitizer and UndefinedBehaviorSanitizer; only the fuzz targets and what
# they link are built there.

option(LW_FUZZ "Build the libFuzzer targets (clang only)" OFF)
set(LW_FUZZ_SMOKE_RUNS 5000 CACHE STRING "Executions of each fuzz target in the test command")

# Lines of "name binary corpus" for tools/fuzz, which runs the targets for longer.
set(LW_FUZZ_TARGET_LIST ${CMAKE_BINARY_DIR}/fuzz-targets.txt)

if(LW_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "LW_FUZZ needs clang: configure with the fuzz preset")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
    add_custom_target(fuzz_targets)
    file(WRITE ${LW_FUZZ_TARGET_LIST} "")
endif()

# lw_fuzz_target(name SOURCES... LIBS... CORPUS dir): a libFuzzer program whose seed inputs
# live in `dir` (relative to the calling CMakeLists.txt) in the repository. The test command
# runs it for LW_FUZZ_SMOKE_RUNS executions; any crash, leak or sanitizer report fails it.
# Outside the fuzz build this does nothing.
function(lw_fuzz_target name)
    if(NOT LW_FUZZ)
        return()
    endif()
    cmake_parse_arguments(ARG "" "CORPUS" "SOURCES;LIBS" ${ARGN})
    if(NOT ARG_CORPUS)
        message(FATAL_ERROR "lw_fuzz_target(${name}): CORPUS is required")
    endif()
    get_filename_component(corpus ${ARG_CORPUS} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    if(NOT IS_DIRECTORY ${corpus})
        message(FATAL_ERROR "lw_fuzz_target(${name}): no corpus directory ${corpus}")
    endif()
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE project_options ${ARG_LIBS})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    add_dependencies(fuzz_targets ${name})
    add_test(NAME fuzz_${name}
             COMMAND ${PROJECT_SOURCE_DIR}/tools/fuzz-smoke $<TARGET_FILE:${name}> ${corpus}
                     ${CMAKE_BINARY_DIR}/smoke/${name} ${LW_FUZZ_SMOKE_RUNS})
    set_tests_properties(fuzz_${name} PROPERTIES TIMEOUT 300 LABELS fuzz)
    file(APPEND ${LW_FUZZ_TARGET_LIST}
         "${name} ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${name} ${corpus}\n")
endfunction()
