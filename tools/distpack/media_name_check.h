// Which names can lie on distribution media. How the installer forms the names of compressed
// files, pieces, volumes and disk folders is its own (installer/controller/copy/media_names.h).
#pragma once

#include <cstddef>
#include <string>

namespace aw {

// Longest name of a file on the media, as the installer's paths hold 259 characters.
inline constexpr std::size_t kMaxMediaName = 259;

// Why `name` cannot be a file name on the media, or empty when it can.
std::string MediaNameProblem(const std::string& name);

}  // namespace aw
