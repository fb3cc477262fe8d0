#include "tools/logdump/log_json.h"

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "tools/scriptdump/ansi_text.h"

namespace aw {

namespace {

using nlohmann::ordered_json;

std::string Hex(const std::uint8_t* data, std::size_t size) {
    std::string hex;
    for (std::size_t i = 0; i < size; ++i) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02x", data[i]);
        hex += digits;
    }
    return hex;
}

// Fields become keys of the innermost open object; texts are mapped byte for character as in
// the script dump, raw blocks are lower-case hex.
class JsonFields : public LogFieldVisitor {
  public:
    JsonFields() { objects_.push_back({"", ordered_json::object()}); }
    ordered_json Take() { return std::move(objects_.back().second); }

    void Number(const char* name, std::int32_t& value) override { Put(name, value); }
    void Text(const char* name, std::string& value) override { Put(name, AnsiToJson(value)); }
    void FixedText(const char* name, std::string& value) override { Text(name, value); }
    void Bytes(const char* name, std::uint8_t* data, std::size_t size) override {
        Put(name, Hex(data, size));
    }
    void BeginRecord(const char* name) override {
        objects_.push_back({name, ordered_json::object()});
    }
    void EndRecord() override {
        auto [name, value] = std::move(objects_.back());
        objects_.pop_back();
        Put(name, std::move(value));
    }
    void Item(const char* name, ProgramItemBytes& bytes) override {
        const ProgramItem item = UnpackProgramItem(bytes);
        Put(name, ordered_json{
                      {"x", item.X},
                      {"y", item.Y},
                      {"hotKey", item.HotKey},
                      {"iconIndex", item.IconIndex},
                      {"runMinimised", item.RunMinimised},
                      {"name", AnsiToJson(item.Name)},
                      {"commandLine", AnsiToJson(item.CommandLine)},
                      {"iconFile", AnsiToJson(item.IconFile)},
                      {"workingDirectory", AnsiToJson(item.WorkingDirectory)},
                  });
    }

  private:
    void Put(const std::string& name, ordered_json value) {
        objects_.back().second[name] = std::move(value);
    }

    std::vector<std::pair<std::string, ordered_json>> objects_;
};

}  // namespace

ordered_json LogToJson(ParsedLog& log) {
    ordered_json json = ordered_json::object();
    JsonFields header;
    log.Header.Fields(header);
    json["header"] = header.Take();
    ordered_json records = ordered_json::array();
    for (LogRecord& record : log.Records) {
        JsonFields fields;
        std::string kind = LogKindName(static_cast<std::int32_t>(record.Kind()));
        fields.Text("kind", kind);
        fields.Int("undoClass", record.UndoClass);
        record.Fields(fields);
        records.push_back(fields.Take());
    }
    json["records"] = std::move(records);
    if (log.Fault) {
        json["error"] = log.Fault->Reason;
    }
    return json;
}

}  // namespace aw
