// Fuzzes the rules by which single events read their texts: whole integers, hexadecimal
// registry bytes, multi-string lines, backup names, the name patterns of file lists and the
// search's wildcard match. Each result must keep the promises the events rely on.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "installer/script/host/event_texts.h"
#include "installer/script/host/host_windows.h"

namespace {

void Expect(bool holds) {
    if (!holds) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (const auto number = aw::ReadWholeInteger(text)) {
        Expect(aw::ReadWholeInteger(std::to_string(*number)) == number);
    }
    if (const auto bytes = aw::ReadHexPairs(text)) {
        Expect(bytes->size() * 3 <= text.size() + 1);
    }
    for (const std::string& line : aw::MultiStringTexts(text)) {
        Expect(line.find_first_of("\r\n") == std::string::npos);
    }
    Expect(aw::BackupName(text).size() <= text.size() + 4);
    if (const auto pattern = aw::NamePattern(text)) {
        Expect(pattern->find_first_of("+-") == std::string::npos);
        const std::size_t half = text.size() / 2;
        aw::ApplyNamePattern(*pattern, std::string_view(text).substr(half));
    }
    const std::size_t split = text.find('|');
    if (split != std::string::npos) {
        const std::string_view pattern = std::string_view(text).substr(0, split);
        const std::string_view name = std::string_view(text).substr(split + 1);
        aw::MatchesPattern(pattern, name);
        Expect(aw::MatchesPattern("*", name));
    }
    return 0;
}
