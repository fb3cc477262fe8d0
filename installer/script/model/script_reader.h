// Decodes a script file's bytes: the field kinds by the file's width and version.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "installer/script/model/record_fields.h"

namespace aw {

class EventFactory;

// Reads from a whole file held in memory; it never reads past the end. Each read returns
// success; the reader reports nothing itself, and after the first failure every field of the
// visitor interface leaves its value alone.
class ScriptReader : public FieldVisitor {
  public:
    ScriptReader(std::span<const std::uint8_t> bytes, InstallScript& script,
                 const EventFactory& events);

    // Ints and uints take 2 bytes when set (a 16-bit file), else 4.
    void SetShortInts(bool shortInts) { shortInts_ = shortInts; }
    bool ShortInts() const { return shortInts_; }
    std::size_t Remaining() const { return bytes_.size() - position_; }
    // The type code that stopped the event list, if that is what failed.
    std::optional<std::int32_t> UnknownEventCode() const { return unknownEventCode_; }

    bool ReadBytes(void* buffer, std::size_t count);
    bool ReadInt(std::int32_t& value);
    bool ReadUint(std::uint32_t& value);
    bool ReadLong(std::int32_t& value);
    bool ReadText(std::string& value);
    bool ReadCharText(char* buffer, std::size_t size);

    using FieldVisitor::CharText;
    using FieldVisitor::Int;
    void Int(const char* name, std::int32_t& value) override;
    void Uint(const char* name, std::uint32_t& value) override;
    void Long(const char* name, std::int32_t& value) override;
    void Text(const char* name, std::string& value) override;
    void CharText(const char* name, char* buffer, std::size_t size) override;

  protected:
    bool CountFits(std::int32_t count, std::size_t minimumBytes) override;
    std::unique_ptr<Event> NewEvent(std::int32_t typeCode) override;
    void UnknownEvent(std::int32_t typeCode) override { unknownEventCode_ = typeCode; }

  private:
    bool ReadLength(std::size_t& length);
    void Check(bool ok) {
        if (!ok) {
            Fail();
        }
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
    const EventFactory& events_;
    bool shortInts_ = false;
    std::optional<std::int32_t> unknownEventCode_;
};

}  // namespace aw
