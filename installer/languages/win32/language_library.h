// A language library: the resource-only DLL that holds the engine's texts, dialog templates
// and button bitmaps in one language.
#pragma once

#include <windows.h>

#include <string>

namespace aw {

// What a number that the library does not hold reads as.
inline constexpr const char kNoSuchString[] = "NO SUCH STRING!!!";

// The text numbered `number` in the string table of `library`, or kNoSuchString. Texts are
// not cut, however long.
std::string LibraryText(HINSTANCE library, unsigned number);

// Owns one loaded library; its instance is what texts, templates and bitmaps are taken from.
class LanguageLibrary {
  public:
    LanguageLibrary() = default;
    // Loads the library at `path`; Loaded() tells whether that worked.
    explicit LanguageLibrary(const std::string& path);
    ~LanguageLibrary();
    LanguageLibrary(LanguageLibrary&& other) noexcept;
    LanguageLibrary& operator=(LanguageLibrary&& other) noexcept;
    LanguageLibrary(const LanguageLibrary&) = delete;
    LanguageLibrary& operator=(const LanguageLibrary&) = delete;

    bool Loaded() const { return instance_ != nullptr; }
    HINSTANCE Instance() const { return instance_; }
    std::string Text(unsigned number) const { return LibraryText(instance_, number); }

  private:
    HINSTANCE instance_ = nullptr;
};

}  // namespace aw
