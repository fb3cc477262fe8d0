#include "installer/controller/shell/program_manager_commands.h"

#include <charconv>

#include "installer/controller/shell/shell_interface.h"

namespace aw {

namespace {

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string Number(std::int32_t value) {
    return std::to_string(value);
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        std::string_view line = text.substr(0, newline);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        if (newline == std::string_view::npos) {
            break;
        }
        text.remove_prefix(newline + 1);
    }
    return lines;
}

std::vector<std::string> Fields(std::string_view line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (char c : line) {
        if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

std::optional<std::int32_t> ParseNumber(std::string_view text) {
    while (text.starts_with(' ')) {
        text.remove_prefix(1);
    }
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data()) {
        return std::nullopt;
    }
    return value;
}

std::int32_t NumberField(const std::vector<std::string>& fields, std::size_t index) {
    return index < fields.size() ? ParseNumber(fields[index]).value_or(0) : 0;
}

std::string TextField(const std::vector<std::string>& fields, std::size_t index) {
    return index < fields.size() ? fields[index] : std::string();
}

}  // namespace

std::string CreateGroupCommand(std::string_view group) {
    return "[CreateGroup(" + Quoted(group) + ")]";
}

std::string ShowGroupCommand(std::string_view group, std::int32_t showCommand) {
    if (showCommand == kShowGroupActivate) {
        return CreateGroupCommand(group);
    }
    return "[ShowGroup(" + Quoted(group) + ", " + Number(showCommand) + ")]";
}

std::string DeleteGroupCommand(std::string_view group) {
    return "[DeleteGroup(" + Quoted(group) + ")]";
}

std::string AddItemCommand(std::string_view commandLine, std::string_view name,
                           std::string_view iconFile, std::int32_t iconIndex,
                           std::string_view workingDirectory) {
    std::string command = "[AddItem(" + std::string(commandLine) + ", " + Quoted(name) + ", " +
                          std::string(iconFile) + ", " + Number(iconIndex);
    if (!workingDirectory.empty()) {
        command += ", , , " + std::string(workingDirectory);
    }
    return command + ")]";
}

std::string AddFullItemCommand(const ProgramItem& item) {
    return "[AddItem(" + item.CommandLine + ", " + Quoted(item.Name) + ", " + item.IconFile + ", " +
           Number(item.IconIndex) + ", " + Number(item.X) + ", " + Number(item.Y) + ", " +
           item.WorkingDirectory + ", " + Number(item.HotKey) + ", " + Number(item.RunMinimised) +
           ")]";
}

std::string DeleteItemCommand(std::string_view name) {
    return "[DeleteItem(" + Quoted(name) + ")]";
}

std::vector<std::string> ParseGroupNames(std::string_view reply) {
    std::vector<std::string> names;
    for (std::string_view line : Lines(reply)) {
        if (!line.empty()) {
            names.emplace_back(line);
        }
    }
    return names;
}

std::optional<std::vector<ProgramItem>> ParseGroupItems(std::string_view reply) {
    const std::vector<std::string_view> lines = Lines(reply);
    if (lines.empty()) {
        return std::nullopt;
    }
    const std::vector<std::string> group = Fields(lines[0]);
    const std::optional<std::int32_t> count =
        group.size() > 2 ? ParseNumber(group[2]) : std::nullopt;
    if (!count || *count < 0) {
        return std::nullopt;
    }
    std::vector<ProgramItem> items;
    for (std::size_t i = 1; i < lines.size() && items.size() < static_cast<std::size_t>(*count);
         ++i) {
        const std::vector<std::string> fields = Fields(lines[i]);
        ProgramItem item;
        item.Name = TextField(fields, 0);
        item.CommandLine = TextField(fields, 1);
        item.WorkingDirectory = TextField(fields, 2);
        item.IconFile = TextField(fields, 3);
        item.X = NumberField(fields, 4);
        item.Y = NumberField(fields, 5);
        item.IconIndex = NumberField(fields, 6);
        item.HotKey = NumberField(fields, 7);
        item.RunMinimised = NumberField(fields, 8);
        items.push_back(std::move(item));
    }
    return items;
}

}  // namespace aw
