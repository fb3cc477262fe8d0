# Compiler settings shared by every target of ours (not by third-party code).

if(LW_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

if(WIN32)
    # One self-contained .exe: no MinGW runtime DLL beside it.
    add_link_options(-static -static-libgcc -static-libstdc++)
endif()

add_library(project_options INTERFACE)
target_compile_options(project_options INTERFACE -Wall -Wextra -Werror)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    # GCC 12 reports std::string copies as overlapping memcpy calls at -O2 (a known false
    # positive of its -Wrestrict), which would fail every optimised build.
    target_compile_options(project_options INTERFACE -Wno-restrict)
endif()
target_include_directories(project_options INTERFACE ${PROJECT_SOURCE_DIR})
if(WIN32)
    # The ANSI API at the level of the Windows 95/98 family, so that structures
    # such as NONCLIENTMETRICSA keep the size those systems accept.
    target_compile_definitions(project_options INTERFACE
        WINVER=0x0400 _WIN32_WINDOWS=0x0410 _WIN32_WINNT=0x0400 NOMINMAX)
endif()

# lw_library(name SOURCES... [LIBS...]): a static library with our settings.
function(lw_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_link_libraries(${name} PUBLIC project_options ${ARG_LIBS})
endfunction()

# lw_program(name SOURCES... [LIBS...]): a Windows GUI-subsystem program.
function(lw_program name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} WIN32 ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE project_options ${ARG_LIBS})
endfunction()
