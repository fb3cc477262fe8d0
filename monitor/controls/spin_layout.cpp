#include "monitor/controls/spin_layout.h"

#include <algorithm>

namespace lw {

int SpinEditMinHeight(int fontHeight, int systemFontHeight, int borderHeight) {
    return fontHeight + std::min(systemFontHeight, fontHeight) / 4 + 4 * borderHeight + 2;
}

ControlRect SpinButtonPlace(int width, int height, int buttonWidth, bool threeDimensional) {
    if (threeDimensional) {
        return ControlRect::Sized(width - buttonWidth - 5, 0, buttonWidth, height - 5);
    }
    return ControlRect::Sized(width - buttonWidth, 1, buttonWidth, height - 3);
}

ControlRect SpinEditTextRect(int clientWidth, int clientHeight, int buttonWidth) {
    return {0, 0, clientWidth - buttonWidth - 2, clientHeight + 1};
}

SpinHalves SpinButtonHalves(int width, int height) {
    const int upHeight = height / 2;
    return {ControlRect::Sized(0, 0, width, upHeight),
            ControlRect::Sized(0, upHeight - 1, width, height - upHeight + 1)};
}

}  // namespace lw
