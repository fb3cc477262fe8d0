#include "installer/script/model/script_reader.h"

#include <cstring>

#include "installer/script/model/event.h"

namespace aw {

namespace {

// Little-endian, whatever the host.
std::uint32_t Unpack(const std::uint8_t* bytes, std::size_t count) {
    std::uint32_t value = 0;
    for (std::size_t i = count; i > 0; --i) {
        value = (value << 8) | bytes[i - 1];
    }
    return value;
}

}  // namespace

ScriptReader::ScriptReader(std::span<const std::uint8_t> bytes, InstallScript& script,
                           const EventFactory& events)
    : FieldVisitor(script, FieldPass::Read), bytes_(bytes), events_(events) {}

bool ScriptReader::ReadBytes(void* buffer, std::size_t count) {
    if (count > Remaining()) {
        return false;
    }
    if (count > 0) {
        std::memcpy(buffer, bytes_.data() + position_, count);
    }
    position_ += count;
    return true;
}

bool ScriptReader::ReadInt(std::int32_t& value) {
    if (!shortInts_) {
        return ReadLong(value);
    }
    std::uint8_t raw[2];
    if (!ReadBytes(raw, sizeof raw)) {
        return false;
    }
    value = static_cast<std::int16_t>(Unpack(raw, 2));
    return true;
}

bool ScriptReader::ReadUint(std::uint32_t& value) {
    std::uint8_t raw[4];
    const std::size_t size = shortInts_ ? 2 : 4;
    if (!ReadBytes(raw, size)) {
        return false;
    }
    value = Unpack(raw, size);
    return true;
}

bool ScriptReader::ReadLong(std::int32_t& value) {
    std::uint8_t raw[4];
    if (!ReadBytes(raw, sizeof raw)) {
        return false;
    }
    value = static_cast<std::int32_t>(Unpack(raw, 4));
    return true;
}

// One byte, or 0xFF and the real length in 16 bits.
bool ScriptReader::ReadLength(std::size_t& length) {
    std::uint8_t raw[2];
    if (!ReadBytes(raw, 1)) {
        return false;
    }
    if (raw[0] != 0xFF) {
        length = raw[0];
        return true;
    }
    if (!ReadBytes(raw, 2)) {
        return false;
    }
    length = Unpack(raw, 2);
    return true;
}

bool ScriptReader::ReadText(std::string& value) {
    std::size_t length = 0;
    if (!ReadLength(length) || length > Remaining()) {
        return false;
    }
    value.assign(reinterpret_cast<const char*>(bytes_.data() + position_), length);
    position_ += length;
    return true;
}

// A text that does not fit the buffer rejects the file rather than losing its end.
bool ScriptReader::ReadCharText(char* buffer, std::size_t size) {
    std::size_t length = 0;
    if (size == 0 || !ReadLength(length) || length > size - 1 || !ReadBytes(buffer, length)) {
        return false;
    }
    buffer[length] = '\0';
    return true;
}

void ScriptReader::Int(const char*, std::int32_t& value) {
    if (!Failed()) {
        Check(ReadInt(value));
    }
}

void ScriptReader::Uint(const char*, std::uint32_t& value) {
    if (!Failed()) {
        Check(ReadUint(value));
    }
}

void ScriptReader::Long(const char*, std::int32_t& value) {
    if (!Failed()) {
        Check(ReadLong(value));
    }
}

void ScriptReader::Text(const char*, std::string& value) {
    if (!Failed()) {
        Check(ReadText(value));
    }
}

void ScriptReader::CharText(const char*, char* buffer, std::size_t size) {
    if (!Failed()) {
        Check(ReadCharText(buffer, size));
    }
}

bool ScriptReader::CountFits(std::int32_t count, std::size_t minimumBytes) {
    return count >= 0 && static_cast<std::size_t>(count) <= Remaining() / minimumBytes;
}

std::unique_ptr<Event> ScriptReader::NewEvent(std::int32_t typeCode) {
    return events_.Create(typeCode);
}

}  // namespace aw
