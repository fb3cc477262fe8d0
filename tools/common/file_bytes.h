// Whole files as bytes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace aw {

// None when the file cannot be opened or read to its end.
std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::filesystem::path& path);
bool WriteFileBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

}  // namespace aw
