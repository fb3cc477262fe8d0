// Reads any bytes as Program Manager's replies to a "GROUPS" request and to a group request:
// they come from another program. The items read must be read again the same when written
// back as a reply.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "installer/controller/shell/program_manager_commands.h"

namespace {

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string Reply(const std::vector<aw::ProgramItem>& items) {
    std::string reply = "\"Group\",G.GRP," + std::to_string(items.size()) + ",1\r\n";
    for (const aw::ProgramItem& item : items) {
        reply += Quoted(item.Name) + "," + Quoted(item.CommandLine) + "," +
                 Quoted(item.WorkingDirectory) + "," + Quoted(item.IconFile) + "," +
                 std::to_string(item.X) + "," + std::to_string(item.Y) + "," +
                 std::to_string(item.IconIndex) + "," + std::to_string(item.HotKey) + "," +
                 std::to_string(item.RunMinimised) + "\r\n";
    }
    return reply;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view reply(reinterpret_cast<const char*>(data), size);
    for (const std::string& name : aw::ParseGroupNames(reply)) {
        if (name.empty() || name.find('\n') != std::string::npos) {
            std::abort();
        }
    }
    const std::optional<std::vector<aw::ProgramItem>> items = aw::ParseGroupItems(reply);
    if (!items) {
        return 0;
    }
    const std::optional<std::vector<aw::ProgramItem>> again = aw::ParseGroupItems(Reply(*items));
    if (!again || *again != *items) {
        std::abort();
    }
    return 0;
}
