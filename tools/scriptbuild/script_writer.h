// Writes an install script file from the model, field by field, by the records' own tables.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "installer/script/model/install_script.h"
#include "installer/script/model/record_fields.h"

namespace aw {

// Encodes fields into a byte buffer. It writes what the model holds, allowed or not, so that
// tests can make bad files; it fails only on values that the encoding cannot hold (an int over
// 16 bits in a 16-bit file, a text over 65535 bytes).
class ScriptWriter : public FieldVisitor {
  public:
    ScriptWriter(InstallScript& script, bool shortInts, std::int32_t version);

    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

    using FieldVisitor::CharText;
    using FieldVisitor::Int;
    void Int(const char* name, std::int32_t& value) override;
    void Uint(const char* name, std::uint32_t& value) override;
    void Long(const char* name, std::int32_t& value) override;
    void Text(const char* name, std::string& value) override;
    void CharText(const char* name, char* buffer, std::size_t size) override;
    void DatePart(const char* name, std::uint16_t& part) override;

  private:
    void Put(std::uint32_t value, std::size_t size);
    void PutText(const char* text, std::size_t length);

    bool shortInts_;
    std::vector<std::uint8_t> bytes_;
};

// The whole file: width tag, version, then the root's fields for that version (300, 301 or
// 302). None when a value cannot be encoded.
std::optional<std::vector<std::uint8_t>> WriteScript(InstallScript& script, bool shortInts,
                                                     std::int32_t version);

}  // namespace aw
