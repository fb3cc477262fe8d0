#include "installer/lzpunz2/unz_session.h"

#include <cstdint>

namespace lzpunz {

int UnzSession::Open(LzpUnzInput input, int mode) {
    expander_.Stop();
    open_ = mode == kLzpUnzExpandMode && expander_.Start(input);
    return open_ ? 0 : -1;
}

int UnzSession::Read(void* buffer, int count) {
    if (!open_) {
        return -1;
    }
    return expander_.Read(static_cast<std::uint8_t*>(buffer), count);
}

int UnzSession::Close() {
    if (!open_) {
        return -1;
    }
    expander_.Stop();
    open_ = false;
    return 0;
}

}  // namespace lzpunz
