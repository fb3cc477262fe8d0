// The keys and mouse buttons held down at the moment of a mouse event.
#pragma once

#include <cstdint>

namespace lw {

enum class ShiftKey : std::uint8_t {
    Shift = 1,
    Alt = 2,
    Ctrl = 4,
    Left = 8,
    Right = 16,
    Middle = 32,
};

class ShiftState {
  public:
    constexpr ShiftState() = default;
    constexpr ShiftState(ShiftKey key) : bits_(static_cast<std::uint8_t>(key)) {}
    constexpr bool Has(ShiftKey key) const { return (bits_ & static_cast<std::uint8_t>(key)) != 0; }
    constexpr ShiftState operator|(ShiftState other) const {
        return FromBits(static_cast<std::uint8_t>(bits_ | other.bits_));
    }
    constexpr bool operator==(const ShiftState&) const = default;

  private:
    static constexpr ShiftState FromBits(std::uint8_t bits) {
        ShiftState state;
        state.bits_ = bits;
        return state;
    }
    std::uint8_t bits_ = 0;
};

constexpr ShiftState operator|(ShiftKey a, ShiftKey b) {
    return ShiftState(a) | ShiftState(b);
}

}  // namespace lw
