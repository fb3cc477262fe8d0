// Whole files as text, byte for byte, for tests that check what the system wrote.
#pragma once

#include <fstream>
#include <sstream>
#include <string>

namespace lw::testing {

// Empty when the file is missing.
inline std::string ReadFileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void WriteFileText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

}  // namespace lw::testing
