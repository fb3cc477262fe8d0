// Fuzzes the text that the dial-up "lights" replacement hands over: any bytes at all may
// arrive in the copy-data record.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "monitor/core/sampling/lights_hand_over.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const lw::LightsHandOver handOver = lw::ParseLightsHandOver(text);
    // The connection name is always what follows the second blank, unchanged.
    if (!text.ends_with(handOver.name) || handOver.name.size() > text.size()) {
        std::abort();
    }
    return 0;
}
