#include "tools/logdump/log_text.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string_view>
#include <utility>
#include <vector>

#include "installer/oplog/log_loading.h"
#include "installer/script/model/error_report.h"

namespace aw {

namespace {

// "oldAttributes" → "old attributes"
std::string Label(std::string_view name) {
    std::string label;
    for (const char c : name) {
        if (std::isupper(static_cast<unsigned char>(c))) {
            label += ' ';
            label += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        } else {
            label += c;
        }
    }
    return label;
}

std::string Format(const char* format, std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// "0x21 read-only archive"
std::string Attributes(std::int32_t value) {
    static const std::pair<std::uint32_t, const char*> kBits[] = {
        {0x01, "read-only"}, {0x02, "hidden"},  {0x04, "system"},
        {0x10, "directory"}, {0x20, "archive"}, {0x80, "normal"},
    };
    const auto bits = static_cast<std::uint32_t>(value);
    std::string text = Format("0x%02X", bits);
    for (const auto& [bit, name] : kBits) {
        if ((bits & bit) != 0) {
            text += std::string(" ") + name;
        }
    }
    return text;
}

std::string RegistryType(std::int32_t type) {
    static const char* const kTypes[] = {"REG_NONE",   "REG_SZ",      "REG_EXPAND_SZ",
                                         "REG_BINARY", "REG_DWORD",   "REG_DWORD_BIG_ENDIAN",
                                         "REG_LINK",   "REG_MULTI_SZ"};
    std::string text = std::to_string(type);
    if (type >= 0 && type < static_cast<std::int32_t>(std::size(kTypes))) {
        text += std::string(" (") + kTypes[type] + ")";
    }
    return text;
}

// Rows of 16 bytes in hex, each followed by its printable characters.
std::vector<std::string> HexRows(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return {"(none)"};
    }
    std::vector<std::string> rows;
    for (std::size_t row = 0; row < size; row += 16) {
        std::string hex;
        std::string chars;
        for (std::size_t i = row; i < std::min(size, row + 16); ++i) {
            hex += Format("%02x ", data[i]);
            chars += std::isprint(data[i]) ? static_cast<char>(data[i]) : '.';
        }
        hex.resize(16 * 3 + 1, ' ');
        rows.push_back(hex + chars);
    }
    return rows;
}

// Collects one record's fields as labelled lines.
class TextFields : public LogFieldVisitor {
  public:
    struct Line {
        std::string Label;
        std::vector<std::string> Values;
    };

    std::vector<Line> Lines;

    void Number(const char* name, std::int32_t& value) override {
        const std::string_view field = name;
        if (field.ends_with("Attributes")) {
            Add(name, Attributes(value));
        } else if (field == "oldType") {
            Add(name, RegistryType(value));
        } else {
            Add(name, std::to_string(value));
        }
    }
    void Text(const char* name, std::string& value) override { Add(name, value); }
    void FixedText(const char* name, std::string& value) override { Add(name, value); }
    void Bytes(const char* name, std::uint8_t* data, std::size_t size) override {
        Lines.push_back({Prefixed(name), HexRows(data, size)});
    }
    void Key(const char* name, RegistryKey& key) override { Add(name, KeyShortName(key)); }
    void Item(const char* name, ProgramItemBytes& bytes) override {
        ProgramItem item = UnpackProgramItem(bytes);
        prefix_ = std::string(name) + " ";
        Text("name", item.Name);
        Text("commandLine", item.CommandLine);
        Text("workingDirectory", item.WorkingDirectory);
        Text("iconFile", item.IconFile);
        Number("iconIndex", item.IconIndex);
        Number("x", item.X);
        Number("y", item.Y);
        Add("hotKey", Format("0x%04X", static_cast<std::uint32_t>(item.HotKey) & 0xFFFF));
        Number("runMinimised", item.RunMinimised);
        prefix_.clear();
    }

  private:
    std::string Prefixed(const char* name) const { return prefix_ + Label(name); }
    void Add(const char* name, std::string value) {
        Lines.push_back({Prefixed(name), {std::move(value)}});
    }

    std::string prefix_;
};

void PutLines(const std::vector<TextFields::Line>& lines, std::string& out) {
    std::size_t width = 0;
    for (const auto& line : lines) {
        width = std::max(width, line.Label.size());
    }
    for (const auto& line : lines) {
        for (std::size_t i = 0; i < line.Values.size(); ++i) {
            std::string label = i == 0 ? line.Label : std::string();
            label.resize(width, ' ');
            out += "    " + label + "  " + line.Values[i] + "\n";
        }
    }
}

class QuietReport : public ErrorReport {
  public:
    void ReportError(const std::string&) override {}
    void CheckFailed(const char*, int) override {}
};

// What the uninstaller will make of the record.
const char* UndoMeaning(const LogRecord& record) {
    if (record.UndoClass < 0 || record.UndoClass >= kUndoClassCount) {
        return "not an undo class";
    }
    QuietReport report;
    const std::optional<RecordState> state = StateAtLoad(record, report);
    if (!state) {
        return "never undone, not shown";
    }
    switch (*state) {
        case RecordState::WillUndo:
            return "will be undone";
        case RecordState::UndoOptional:
            return "undo optional";
        default:
            return "nothing to undo";
    }
}

const char* DialogStyleName(std::int32_t style) {
    switch (style) {
        case 0:
            return "simple";
        case 1:
            return "detailed";
        case 2:
            return "selection";
        default:
            return "not a style";
    }
}

// High and low 16 bits of the two longs: "2.1.0.5".
std::string ProductVersion(const LogHeader& header) {
    const auto high = static_cast<std::uint32_t>(header.VersionHigh);
    const auto low = static_cast<std::uint32_t>(header.VersionLow);
    return std::to_string(high >> 16) + "." + std::to_string(high & 0xFFFF) + "." +
           std::to_string(low >> 16) + "." + std::to_string(low & 0xFFFF);
}

std::string HeaderText(const LogHeader& header, std::size_t records) {
    std::string style = std::to_string(header.DialogStyle);
    std::vector<TextFields::Line> lines = {
        {"product", {header.ProductName}},
        {"version", {ProductVersion(header)}},
        {"language", {std::to_string(header.Language)}},
        {"dialog style", {style + " (" + DialogStyleName(header.DialogStyle) + ")"}},
        {"undo pacing", {std::to_string(header.UndoPacing) + " ms"}},
        {"records", {std::to_string(records)}},
    };
    std::string out = "Operation log\n";
    PutLines(lines, out);
    return out;
}

}  // namespace

std::string LogToText(ParsedLog& log) {
    std::string out = HeaderText(log.Header, log.Records.size());
    for (std::size_t i = 0; i < log.Records.size(); ++i) {
        LogRecord& record = log.Records[i];
        out += "\n#" + std::to_string(i + 1) + "  " +
               LogKindName(static_cast<std::int32_t>(record.Kind())) + "  undo class " +
               std::to_string(record.UndoClass) + " (" + UndoMeaning(record) + ")\n";
        TextFields fields;
        record.Fields(fields);
        PutLines(fields.Lines, out);
    }
    if (log.Fault) {
        out += "\nThe log contains bad data " + log.Fault->Reason + "\n";
    }
    return out;
}

}  // namespace aw
