#include "installer/ui/picture_button.h"

namespace aw {

bool PictureButtonPress::Move(bool overButton) {
    if (state_ == State::Released) {
        return false;
    }
    const State next = overButton ? State::Pressed : State::PressedOutside;
    const bool changed = next != state_;
    state_ = next;
    return changed;
}

bool PictureButtonPress::Release() {
    const bool send = state_ == State::Pressed;
    state_ = State::Released;
    return send;
}

}  // namespace aw
