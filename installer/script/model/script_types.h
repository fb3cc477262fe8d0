// Value types shared by the install script's records: the fixed text buffer, the date-time,
// references between lists and the owning record list.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace aw {

// Room for a path of 259 characters and its terminator.
inline constexpr std::size_t kFixedTextSize = 260;

// A text that a request copies into a path-sized buffer. Scripts hold long lists of them,
// mostly short or empty, so each keeps only its characters until a request is filled.
class FixedText {
  public:
    const std::string& Value() const { return value_; }
    // At most 259 characters, up to the first NUL: what a terminated buffer would hold.
    void Assign(std::string_view value);

  private:
    std::string value_;
};

// The text up to the terminator.
std::string FixedTextValue(const FixedText& text);
// Copies at most 259 characters and terminates.
void SetFixedText(FixedText& text, const std::string& value);

// Laid out as the system's time record; day of week and milliseconds stay 0 in the script.
struct SystemTime {
    std::uint16_t wYear = 0;
    std::uint16_t wMonth = 0;
    std::uint16_t wDayOfWeek = 0;
    std::uint16_t wDay = 0;
    std::uint16_t wHour = 0;
    std::uint16_t wMinute = 0;
    std::uint16_t wSecond = 0;
    std::uint16_t wMilliseconds = 0;
    bool operator==(const SystemTime&) const = default;
};

// A zero-based position in another list of the same script and the element it resolves to
// (none when the position lies outside the list).
template <class T>
struct Reference {
    std::int32_t Position = -1;
    T* Target = nullptr;
};

// The elements of a script list in file order. Each element has its own allocation, so the
// pointers that references hold stay valid while the list grows.
template <class T>
class RecordList {
  public:
    using Items = std::vector<std::unique_ptr<T>>;

    std::size_t Size() const { return items_.size(); }
    bool Empty() const { return items_.empty(); }
    // The element at `position`, or none when the position is outside the list.
    T* At(std::int32_t position) const {
        if (position < 0 || static_cast<std::size_t>(position) >= items_.size()) {
            return nullptr;
        }
        return items_[static_cast<std::size_t>(position)].get();
    }
    T& Add(std::unique_ptr<T> item) {
        items_.push_back(std::move(item));
        return *items_.back();
    }
    T& AddNew() { return Add(std::make_unique<T>()); }
    void Clear() { items_.clear(); }

    typename Items::iterator begin() { return items_.begin(); }
    typename Items::iterator end() { return items_.end(); }
    typename Items::const_iterator begin() const { return items_.begin(); }
    typename Items::const_iterator end() const { return items_.end(); }

  private:
    Items items_;
};

}  // namespace aw
