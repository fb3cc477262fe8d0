// Builds a script model from its JSON form: the same field tables walked in the read pass, each
// value taken from the JSON instead of the file.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <utility>
#include <vector>

#include "installer/script/model/record_fields.h"

namespace aw {

class EventRegistry;

// The width and version of a script file.
struct ScriptFormat {
    bool ShortInts = false;
    std::int32_t Version = 302;
};

// Takes each field from the key of its name, a list's elements from an array, and the n-th use
// of a repeated name from the n-th element of its array. Any mismatch (a missing or unknown
// key, a wrong JSON type, a value the file cannot hold or the installer refuses, an unknown
// event class) stops the walk with a message that names the JSON path.
class JsonReader : public FieldVisitor {
  public:
    JsonReader(const nlohmann::ordered_json& json, InstallScript& script,
               const EventRegistry& registry);

    // Takes the width and the version, which decide how the rest is read.
    bool ReadHeader(ScriptFormat& format);
    // After the root's fields: whether everything went well and nothing was left unread.
    bool Finish();
    // Empty while nothing has gone wrong.
    const std::string& Error() const { return error_; }

    using FieldVisitor::CharText;
    using FieldVisitor::Int;
    void Int(const char* name, std::int32_t& value) override;
    void Uint(const char* name, std::uint32_t& value) override;
    void Long(const char* name, std::int32_t& value) override;
    void Text(const char* name, std::string& value) override;
    void CharText(const char* name, char* buffer, std::size_t size) override;
    void DatePart(const char* name, std::uint16_t& part) override;
    void BeginRecord(const char* name) override;
    void EndRecord() override;
    void BeginList(const char* name) override;
    void EndList() override;

  protected:
    std::unique_ptr<Event> NewEvent(std::int32_t typeCode) override;
    void UnknownEvent(std::int32_t typeCode) override;

  private:
    enum class Shape { Value, Record, List };
    struct Use {
        std::size_t Count = 0;
        bool Repeated = false;
    };
    struct Frame {
        Frame(const nlohmann::ordered_json* value, std::string path, std::string name,
              bool countPending = false)
            : Value(value),
              Path(std::move(path)),
              Name(std::move(name)),
              CountPending(countPending) {}
        const nlohmann::ordered_json* Value;
        std::string Path;
        std::string Name;
        std::size_t Next = 0;
        bool CountPending = false;
        std::map<std::string, Use> Uses;
    };

    static bool IsRepeated(const nlohmann::ordered_json& value, Shape shape);
    const nlohmann::ordered_json* Next(const char* name, Shape shape, std::string& path);
    bool Integer(const char* name, std::int64_t min, std::int64_t max, const char* kind,
                 std::int64_t& value);
    bool TakeCount(std::int32_t& count, bool intCount);
    void EventCode(std::int32_t& typeCode);
    bool AnsiText(const char* name, std::string& value, std::size_t maxLength);
    void CheckAllUsed(const Frame& frame);
    void Refuse(const std::string& path, const std::string& message);
    bool Stopped();

    const EventRegistry& registry_;
    std::vector<Frame> frames_;
    bool shortInts_ = false;
    std::string lastPath_;
    std::string error_;
};

}  // namespace aw
