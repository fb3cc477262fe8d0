// The texts of the Program Manager DDE conversation: the commands sent with an execute, and
// the replies to the "GROUPS" and group requests.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "installer/oplog/program_item.h"

namespace aw {

std::string CreateGroupCommand(std::string_view group);
// Show command 9 goes out as CreateGroup, which activates an existing group.
std::string ShowGroupCommand(std::string_view group, std::int32_t showCommand);
std::string DeleteGroupCommand(std::string_view group);
// Icon file and working directory are given in the form they are to be sent (short paths).
std::string AddItemCommand(std::string_view commandLine, std::string_view name,
                           std::string_view iconFile, std::int32_t iconIndex,
                           std::string_view workingDirectory);
std::string AddFullItemCommand(const ProgramItem& item);
std::string DeleteItemCommand(std::string_view name);

// The group names of the "GROUPS" reply, one per line.
std::vector<std::string> ParseGroupNames(std::string_view reply);
// A group's reply: a line about the group whose third field is the number of items, then a line
// per item (name, command line, working directory, icon file, x, y, icon index, hot key,
// minimised). Fields are separated by commas; a field in double quotes may hold commas. None
// when the group line has no item count.
std::optional<std::vector<ProgramItem>> ParseGroupItems(std::string_view reply);

}  // namespace aw
