#include "installer/languages/win32/language_library.h"

#include <utility>
#include <vector>

namespace aw {

std::string LibraryText(HINSTANCE library, unsigned number) {
    // The string-table functions cut a text to the buffer, so a text that fills the buffer
    // may have been cut: read it again with room to spare.
    std::vector<char> buffer(128);
    for (;;) {
        const int length =
            LoadStringA(library, number, buffer.data(), static_cast<int>(buffer.size()));
        if (length <= 0) {
            return kNoSuchString;
        }
        if (static_cast<std::size_t>(length) + 1 < buffer.size()) {
            return std::string(buffer.data(), static_cast<std::size_t>(length));
        }
        buffer.resize(buffer.size() * 2);
    }
}

LanguageLibrary::LanguageLibrary(const std::string& path) : instance_(LoadLibraryA(path.c_str())) {}

LanguageLibrary::~LanguageLibrary() {
    if (instance_ != nullptr) {
        FreeLibrary(instance_);
    }
}

LanguageLibrary::LanguageLibrary(LanguageLibrary&& other) noexcept
    : instance_(std::exchange(other.instance_, nullptr)) {}

LanguageLibrary& LanguageLibrary::operator=(LanguageLibrary&& other) noexcept {
    if (this != &other) {
        if (instance_ != nullptr) {
            FreeLibrary(instance_);
        }
        instance_ = std::exchange(other.instance_, nullptr);
    }
    return *this;
}

}  // namespace aw
