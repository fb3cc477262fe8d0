#include "monitor/core/window/modal_boxes.h"

#include "monitor/core/boxes/scoped_flag.h"

namespace lw {

MessageAnswer ModalBoxes::Show(const std::string& text, MessageIcon icon, MessageButtons buttons) {
    ScopedFlag open(modalOpen_);
    return boxes_.Show(text, icon, buttons);
}

}  // namespace lw
