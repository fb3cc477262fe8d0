#include "tools/scriptbuild/script_writer.h"

#include <cstring>
#include <limits>

namespace aw {

ScriptWriter::ScriptWriter(InstallScript& script, bool shortInts, std::int32_t version)
    : FieldVisitor(script, FieldPass::Write), shortInts_(shortInts) {
    SetVersion(version);
}

// Little-endian, whatever the host.
void ScriptWriter::Put(std::uint32_t value, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        bytes_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

void ScriptWriter::Int(const char*, std::int32_t& value) {
    if (!shortInts_) {
        Put(static_cast<std::uint32_t>(value), 4);
        return;
    }
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        Fail();
    }
    Put(static_cast<std::uint32_t>(value), 2);
}

void ScriptWriter::Uint(const char*, std::uint32_t& value) {
    if (shortInts_ && value > std::numeric_limits<std::uint16_t>::max()) {
        Fail();
    }
    Put(value, shortInts_ ? 2 : 4);
}

void ScriptWriter::Long(const char*, std::int32_t& value) {
    Put(static_cast<std::uint32_t>(value), 4);
}

// Lengths up to 254 take one byte; longer ones 0xFF and 16 bits.
void ScriptWriter::PutText(const char* text, std::size_t length) {
    if (length > std::numeric_limits<std::uint16_t>::max()) {
        Fail();
        return;
    }
    if (length < 0xFF) {
        Put(static_cast<std::uint32_t>(length), 1);
    } else {
        Put(0xFF, 1);
        Put(static_cast<std::uint32_t>(length), 2);
    }
    bytes_.insert(bytes_.end(), text, text + length);
}

void ScriptWriter::Text(const char*, std::string& value) {
    PutText(value.data(), value.size());
}

void ScriptWriter::CharText(const char*, char* buffer, std::size_t size) {
    const void* end = std::memchr(buffer, '\0', size);
    const std::size_t length = end ? static_cast<const char*>(end) - buffer : size;
    PutText(buffer, length);
}

// Every word fits: a 16-bit file holds its bits as they are, a 32-bit file zero-extends them.
void ScriptWriter::DatePart(const char*, std::uint16_t& part) {
    Put(part, shortInts_ ? 2 : 4);
}

std::optional<std::vector<std::uint8_t>> WriteScript(InstallScript& script, bool shortInts,
                                                     std::int32_t version) {
    ScriptWriter writer(script, shortInts, version);
    std::uint8_t tag = shortInts ? 0x10 : 0x20;
    std::int32_t fileVersion = version;
    std::vector<std::uint8_t> bytes{tag};
    writer.Int("version", fileVersion);
    script.Fields(writer);
    if (writer.Failed()) {
        return std::nullopt;
    }
    bytes.insert(bytes.end(), writer.Bytes().begin(), writer.Bytes().end());
    return bytes;
}

}  // namespace aw
