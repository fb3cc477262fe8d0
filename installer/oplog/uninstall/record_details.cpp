#include "installer/oplog/uninstall/record_details.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string_view>
#include <utility>

namespace aw {

namespace {

// Raw blocks show this many bytes in hex; more is marked by "...".
constexpr std::size_t kShownBytes = 16;

// "oldAttributes" → "old attributes"
std::string Label(std::string_view name) {
    std::string label;
    for (const char c : name) {
        if (std::isupper(static_cast<unsigned char>(c))) {
            label += ' ';
        }
        label += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return label;
}

class DetailFields : public LogFieldVisitor {
  public:
    std::vector<std::pair<std::string, std::string>> Fields;

    void Number(const char* name, std::int32_t& value) override {
        if (std::string_view(name).ends_with("Attributes")) {
            char text[16];
            std::snprintf(text, sizeof text, "0x%02X", static_cast<unsigned>(value));
            Add(name, text);
        } else {
            Add(name, std::to_string(value));
        }
    }
    void Text(const char* name, std::string& value) override { Add(name, value); }
    void FixedText(const char* name, std::string& value) override { Add(name, value); }
    void Bytes(const char* name, std::uint8_t* data, std::size_t size) override {
        std::string hex;
        for (std::size_t i = 0; i < std::min(size, kShownBytes); ++i) {
            char text[4];
            std::snprintf(text, sizeof text, "%02x ", data[i]);
            hex += text;
        }
        Add(name, size > kShownBytes ? hex + "..." : hex.empty() ? "(none)" : hex);
    }
    void Key(const char* name, RegistryKey& key) override { Add(name, KeyShortName(key)); }
    void Item(const char*, ProgramItemBytes& bytes) override {
        const ProgramItem item = UnpackProgramItem(bytes);
        Add("itemName", item.Name);
        Add("commandLine", item.CommandLine);
    }

  private:
    void Add(const char* name, std::string value) {
        Fields.emplace_back(Label(name), std::move(value));
    }
};

}  // namespace

std::vector<std::string> RecordDetailLines(const LogRecord& record) {
    DetailFields fields;
    LogRecord copy = record;
    copy.Fields(fields);
    std::size_t width = 0;
    for (const auto& field : fields.Fields) {
        width = std::max(width, field.first.size());
    }
    std::vector<std::string> lines;
    for (auto& [label, value] : fields.Fields) {
        label.resize(width, ' ');
        lines.push_back(label + ": " + value);
    }
    return lines;
}

}  // namespace aw
