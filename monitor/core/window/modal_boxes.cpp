#include "monitor/core/window/modal_boxes.h"

namespace lw {

MessageAnswer ModalBoxes::Show(const std::string& text, MessageIcon icon, MessageButtons buttons) {
    FlagScope open(modalOpen_);
    return boxes_.Show(text, icon, buttons);
}

}  // namespace lw
