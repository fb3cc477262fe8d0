// Describes a script model as JSON, field by field, by the records' own tables.
#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "installer/script/model/record_fields.h"

namespace aw {

class EventRegistry;

// A record becomes an object whose keys are its field names in table order; a list becomes an
// array of its elements (the count is the array's length); a name that a record uses more than
// once holds an array of its values in order. Events also name their class.
class JsonDumper : public FieldVisitor {
  public:
    // The root starts with the file's header: its int width and its version.
    JsonDumper(InstallScript& script, const EventRegistry& registry, bool shortInts,
               std::int32_t version);

    // The header and the root's fields walked so far.
    nlohmann::ordered_json& Root() { return frames_.front().Value; }

    using FieldVisitor::CharText;
    using FieldVisitor::Int;
    void Int(const char* name, std::int32_t& value) override;
    void Uint(const char* name, std::uint32_t& value) override;
    void Long(const char* name, std::int32_t& value) override;
    void Text(const char* name, std::string& value) override;
    void CharText(const char* name, char* buffer, std::size_t size) override;
    void BeginRecord(const char* name) override;
    void EndRecord() override;
    void BeginList(const char* name) override;
    void EndList() override;

  private:
    struct Frame {
        Frame(std::string name, nlohmann::ordered_json value, bool countPending = false)
            : Name(std::move(name)), Value(std::move(value)), CountPending(countPending) {}
        std::string Name;
        nlohmann::ordered_json Value;
        // A list's count comes first; the array's length says it.
        bool CountPending = false;
        std::set<std::string> Repeated;
    };

    void Put(const std::string& name, nlohmann::ordered_json value);
    void Close();

    const EventRegistry& registry_;
    std::vector<Frame> frames_;
};

}  // namespace aw
