#include "installer/controller/shell/shell_interface.h"

#include "installer/controller/text_case.h"

namespace aw {

ItemLookup ShellInterface::FindItem(const std::string& group, const std::string& name) {
    const std::optional<std::vector<ProgramItem>> items = GroupItems(group);
    if (!items) {
        return {};
    }
    for (const ProgramItem& item : *items) {
        if (EqualIgnoringCase(item.Name, name)) {
            return {Presence::Present, item};
        }
    }
    return {Presence::Absent, {}};
}

}  // namespace aw
