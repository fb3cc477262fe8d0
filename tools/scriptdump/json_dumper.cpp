#include "tools/scriptdump/json_dumper.h"

#include <cstring>
#include <utility>

#include "installer/script/events/event_registry.h"
#include "tools/scriptdump/ansi_text.h"

namespace aw {

using nlohmann::ordered_json;

JsonDumper::JsonDumper(InstallScript& script, const EventRegistry& registry, bool shortInts,
                       std::int32_t version)
    : FieldVisitor(script, FieldPass::Inspect), registry_(registry) {
    SetVersion(version);
    frames_.emplace_back("", ordered_json::object());
    Put("width", shortInts ? 16 : 32);
    Put("version", version);
}

void JsonDumper::Put(const std::string& name, ordered_json value) {
    Frame& frame = frames_.back();
    if (frame.Value.is_array()) {
        frame.Value.push_back(std::move(value));
        return;
    }
    if (!frame.Value.contains(name)) {
        frame.Value[name] = std::move(value);
        return;
    }
    ordered_json& values = frame.Value[name];
    if (frame.Repeated.insert(name).second) {
        values = ordered_json::array({std::move(values)});
    }
    values.push_back(std::move(value));
}

void JsonDumper::Int(const char* name, std::int32_t& value) {
    if (frames_.back().CountPending) {
        frames_.back().CountPending = false;
        return;
    }
    if (frames_.back().Name == "event" && std::strcmp(name, "typeCode") == 0) {
        const char* className = registry_.NameOf(value);
        Put("class", className != nullptr ? ordered_json(className) : ordered_json());
    }
    Put(name, value);
}

void JsonDumper::Uint(const char* name, std::uint32_t& value) {
    Put(name, value);
}

void JsonDumper::Long(const char* name, std::int32_t& value) {
    if (frames_.back().CountPending) {
        frames_.back().CountPending = false;
        return;
    }
    Put(name, value);
}

void JsonDumper::Text(const char* name, std::string& value) {
    Put(name, AnsiToJson(value));
}

void JsonDumper::CharText(const char* name, char* buffer, std::size_t size) {
    const void* end = std::memchr(buffer, '\0', size);
    const std::size_t length = end ? static_cast<const char*>(end) - buffer : size;
    Put(name, AnsiToJson(std::string(buffer, length)));
}

void JsonDumper::BeginRecord(const char* name) {
    frames_.emplace_back(name, ordered_json::object());
}

void JsonDumper::EndRecord() {
    Close();
}

void JsonDumper::BeginList(const char* name) {
    frames_.emplace_back(name, ordered_json::array(), true);
}

void JsonDumper::EndList() {
    Close();
}

void JsonDumper::Close() {
    Frame frame = std::move(frames_.back());
    frames_.pop_back();
    Put(frame.Name, std::move(frame.Value));
}

}  // namespace aw
