// The Program Manager item record: what the shell gives for an existing item and takes for a new
// one, and, packed into its 1112 bytes, what the log keeps of a deleted item.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace aw {

inline constexpr std::size_t kProgramItemSize = 1112;
using ProgramItemBytes = std::array<std::uint8_t, kProgramItemSize>;

struct ProgramItem {
    // Sizes of the character fields, terminator included.
    static constexpr std::size_t kNameSize = 60;
    static constexpr std::size_t kCommandLineSize = 512;
    static constexpr std::size_t kPathSize = 260;

    std::int32_t X = 0;
    std::int32_t Y = 0;
    // Only the low 16 bits are used.
    std::int32_t HotKey = 0;
    std::int32_t IconIndex = 0;
    std::int32_t RunMinimised = 0;
    std::string Name;
    std::string CommandLine;
    std::string IconFile;
    std::string WorkingDirectory;

    bool operator==(const ProgramItem&) const = default;
};

// Five little-endian int32s, then the name, command line, icon file and working directory, each
// terminated and padded with zeros to its size (a longer text is cut to fit).
ProgramItemBytes PackProgramItem(const ProgramItem& item);
// Each character field up to its first zero, or the whole field when it has none.
ProgramItem UnpackProgramItem(const ProgramItemBytes& bytes);

}  // namespace aw
