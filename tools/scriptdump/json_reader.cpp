#include "tools/scriptdump/json_reader.h"

#include <cstring>
#include <limits>

#include "installer/script/events/event_registry.h"
#include "tools/scriptdump/ansi_text.h"

namespace aw {

using nlohmann::ordered_json;

namespace {

constexpr std::int64_t kInt16Min = std::numeric_limits<std::int16_t>::min();
constexpr std::int64_t kInt16Max = std::numeric_limits<std::int16_t>::max();
constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kUint16Max = std::numeric_limits<std::uint16_t>::max();
constexpr std::int64_t kUint32Max = std::numeric_limits<std::uint32_t>::max();
constexpr std::size_t kTextMax = std::numeric_limits<std::uint16_t>::max();

std::string Member(const std::string& path, const std::string& name) {
    return path.empty() ? name : path + "." + name;
}

std::string Element(const std::string& path, std::size_t index) {
    return path + "[" + std::to_string(index) + "]";
}

}  // namespace

JsonReader::JsonReader(const ordered_json& json, InstallScript& script,
                       const EventRegistry& registry)
    : FieldVisitor(script, FieldPass::Read), registry_(registry) {
    frames_.emplace_back(&json, "", "");
}

bool JsonReader::ReadHeader(ScriptFormat& format) {
    if (!frames_.front().Value->is_object()) {
        Refuse("", "the script must be a JSON object");
        return false;
    }
    std::int64_t width = 0;
    std::int64_t version = 0;
    if (Integer("width", kInt32Min, kInt32Max, "an int", width) && width != 16 && width != 32) {
        Refuse(lastPath_, "must be 16 or 32");
    }
    if (Integer("version", kInt32Min, kInt32Max, "an int", version) &&
        (version < 300 || version > 302)) {
        Refuse(lastPath_, "must be 300, 301 or 302");
    }
    if (Failed()) {
        return false;
    }
    format.ShortInts = width == 16;
    format.Version = static_cast<std::int32_t>(version);
    shortInts_ = format.ShortInts;
    SetVersion(format.Version);
    return true;
}

// Whether a value holds the uses of a repeated name rather than one use. A list is an array of
// records or references, never of arrays, so only repeated lists nest arrays.
bool JsonReader::IsRepeated(const ordered_json& value, Shape shape) {
    if (!value.is_array() || shape == Shape::Value) {
        return value.is_array();
    }
    return !value.empty() &&
           (shape == Shape::Record ? value.front().is_object() : value.front().is_array());
}

bool JsonReader::Finish() {
    if (!Stopped()) {
        CheckAllUsed(frames_.front());
    }
    return !Failed();
}

// The value for the next use of `name` in the open record, or the next element of the open list.
const ordered_json* JsonReader::Next(const char* name, Shape shape, std::string& path) {
    Frame& frame = frames_.back();
    if (frame.Value->is_array()) {
        if (frame.Next >= frame.Value->size()) {
            Refuse(frame.Path, "has fewer elements than its record needs");
            return nullptr;
        }
        path = Element(frame.Path, frame.Next);
        return &(*frame.Value)[frame.Next++];
    }
    path = Member(frame.Path, name);
    const auto found = frame.Value->find(name);
    if (found == frame.Value->end()) {
        Refuse(path, "missing");
        return nullptr;
    }
    Use& use = frame.Uses[name];
    const std::size_t index = use.Count++;
    if (index == 0) {
        use.Repeated = IsRepeated(*found, shape);
    }
    if (!use.Repeated) {
        if (index > 0) {
            Refuse(path, "this record has the field more than once: give its values as an array");
            return nullptr;
        }
        return &*found;
    }
    if (index >= found->size()) {
        Refuse(path, "has fewer values than this record has fields of the name");
        return nullptr;
    }
    path = Element(path, index);
    return &(*found)[index];
}

bool JsonReader::Integer(const char* name, std::int64_t min, std::int64_t max, const char* kind,
                         std::int64_t& value) {
    std::string path;
    const ordered_json* json = Next(name, Shape::Value, path);
    if (json == nullptr) {
        return false;
    }
    lastPath_ = path;
    if (!json->is_number_integer()) {
        Refuse(path, "expected an integer");
        return false;
    }
    const bool tooLarge =
        json->is_number_unsigned() && json->get<std::uint64_t>() > static_cast<std::uint64_t>(max);
    if (tooLarge || json->get<std::int64_t>() < min || json->get<std::int64_t>() > max) {
        Refuse(path, json->dump() + " does not fit " + kind + " (" + std::to_string(min) + " to " +
                         std::to_string(max) + ")");
        return false;
    }
    value = json->get<std::int64_t>();
    return true;
}

// A list's count is its array's length.
bool JsonReader::TakeCount(std::int32_t& count, bool intCount) {
    Frame& frame = frames_.back();
    if (!frame.CountPending) {
        return false;
    }
    frame.CountPending = false;
    const std::size_t limit = intCount && shortInts_ ? kInt16Max : kInt32Max;
    if (frame.Value->size() > limit) {
        Refuse(frame.Path, "has more elements than its count can hold");
        return true;
    }
    count = static_cast<std::int32_t>(frame.Value->size());
    return true;
}

void JsonReader::Int(const char* name, std::int32_t& value) {
    if (Stopped() || TakeCount(value, true)) {
        return;
    }
    if (frames_.back().Name == "event" && std::strcmp(name, "typeCode") == 0) {
        EventCode(value);
        return;
    }
    std::int64_t number = 0;
    const bool fits = shortInts_ ? Integer(name, kInt16Min, kInt16Max, "a 16-bit int", number)
                                 : Integer(name, kInt32Min, kInt32Max, "a 32-bit int", number);
    if (fits) {
        value = static_cast<std::int32_t>(number);
    }
}

void JsonReader::Uint(const char* name, std::uint32_t& value) {
    if (Stopped()) {
        return;
    }
    std::int64_t number = 0;
    const bool fits = shortInts_ ? Integer(name, 0, kUint16Max, "a 16-bit uint", number)
                                 : Integer(name, 0, kUint32Max, "a 32-bit uint", number);
    if (fits) {
        value = static_cast<std::uint32_t>(number);
    }
}

void JsonReader::Long(const char* name, std::int32_t& value) {
    if (Stopped() || TakeCount(value, false)) {
        return;
    }
    std::int64_t number = 0;
    if (Integer(name, kInt32Min, kInt32Max, "a long", number)) {
        value = static_cast<std::int32_t>(number);
    }
}

// The class names the event; the type code beside it must be that class's.
void JsonReader::EventCode(std::int32_t& typeCode) {
    std::string path;
    const ordered_json* name = Next("class", Shape::Value, path);
    if (name == nullptr) {
        return;
    }
    if (!name->is_string()) {
        Refuse(path, "expected the name of an event class");
        return;
    }
    const std::int32_t code = registry_.CodeOf(name->get<std::string>());
    if (code < 0) {
        Refuse(path, "unknown event class " + name->dump());
        return;
    }
    std::int64_t given = 0;
    if (!Integer("typeCode", kInt32Min, kInt32Max, "an int", given)) {
        return;
    }
    if (given != code) {
        Refuse(lastPath_, std::to_string(given) + " is not the type code of " +
                              name->get<std::string>() + ", which is " + std::to_string(code));
        return;
    }
    typeCode = code;
}

bool JsonReader::AnsiText(const char* name, std::string& value, std::size_t maxLength) {
    std::string path;
    const ordered_json* json = Next(name, Shape::Value, path);
    if (json == nullptr) {
        return false;
    }
    lastPath_ = path;
    if (!json->is_string()) {
        Refuse(path, "expected a string");
        return false;
    }
    std::optional<std::string> ansi = JsonToAnsi(json->get_ref<const std::string&>());
    if (!ansi) {
        Refuse(path, "holds a character beyond U+00FF, which no script byte stands for");
        return false;
    }
    if (ansi->size() > maxLength) {
        Refuse(path, "is longer than " + std::to_string(maxLength) + " characters");
        return false;
    }
    value = std::move(*ansi);
    return true;
}

void JsonReader::Text(const char* name, std::string& value) {
    if (!Stopped()) {
        AnsiText(name, value, kTextMax);
    }
}

// A terminated buffer: the text may hold no NUL, which would cut it short in the file.
void JsonReader::CharText(const char* name, char* buffer, std::size_t size) {
    std::string text;
    if (Stopped() || size == 0 || !AnsiText(name, text, size - 1)) {
        return;
    }
    if (text.find('\0') != std::string::npos) {
        Refuse(lastPath_, "holds a NUL character, which ends a fixed text");
        return;
    }
    std::memset(buffer, 0, size);
    std::memcpy(buffer, text.data(), text.size());
}

// The word of the system's time record, in either width: what a file holds is what it dumps.
void JsonReader::DatePart(const char* name, std::uint16_t& part) {
    std::int64_t number = 0;
    if (!Stopped() && Integer(name, 0, kUint16Max, "a date-time part", number)) {
        part = static_cast<std::uint16_t>(number);
    }
}

void JsonReader::BeginRecord(const char* name) {
    std::string path;
    const ordered_json* json = Stopped() ? nullptr : Next(name, Shape::Record, path);
    if (json == nullptr) {
        return;
    }
    if (!json->is_object()) {
        Refuse(path, "expected an object");
        return;
    }
    frames_.emplace_back(json, path, name);
}

void JsonReader::EndRecord() {
    if (!Stopped()) {
        CheckAllUsed(frames_.back());
        frames_.pop_back();
    }
}

void JsonReader::BeginList(const char* name) {
    std::string path;
    const ordered_json* json = Stopped() ? nullptr : Next(name, Shape::List, path);
    if (json == nullptr) {
        return;
    }
    if (!json->is_array()) {
        Refuse(path, "expected an array");
        return;
    }
    frames_.emplace_back(json, path, name, true);
}

void JsonReader::EndList() {
    if (!Stopped()) {
        CheckAllUsed(frames_.back());
        frames_.pop_back();
    }
}

std::unique_ptr<Event> JsonReader::NewEvent(std::int32_t typeCode) {
    return registry_.Create(typeCode);
}

void JsonReader::UnknownEvent(std::int32_t typeCode) {
    Refuse(frames_.back().Path, "no event class has type code " + std::to_string(typeCode));
}

// Every key of a record must be one of its fields, with as many values as uses; a list's
// elements are all taken by its count.
void JsonReader::CheckAllUsed(const Frame& frame) {
    if (frame.Value->is_array()) {
        if (frame.Next < frame.Value->size()) {
            Refuse(Element(frame.Path, frame.Next), "is more than the list holds");
        }
        return;
    }
    for (const auto& [key, value] : frame.Value->items()) {
        const auto use = frame.Uses.find(key);
        if (use == frame.Uses.end()) {
            Refuse(Member(frame.Path, key), "unknown field");
            return;
        }
        if (use->second.Repeated && use->second.Count < value.size()) {
            Refuse(Member(frame.Path, key),
                   "has more values than this record has fields of the name");
            return;
        }
    }
}

void JsonReader::Refuse(const std::string& path, const std::string& message) {
    if (error_.empty()) {
        error_ = path.empty() ? message : path + ": " + message;
    }
    Fail();
}

// The field tables themselves refuse a value outside an allowed range, without a message; the
// value they refused is the last one taken.
bool JsonReader::Stopped() {
    if (Failed() && error_.empty()) {
        error_ = lastPath_ + ": value outside the range the installer accepts";
    }
    return Failed();
}

}  // namespace aw
