// The operation log's bytes: the field kinds encoded and decoded, and a whole log parsed into its
// header and records.
//
// Numbers are 4 bytes, little-endian. A text is its length, then its characters: one byte for a
// length below 255, else 0xFF and the length in 16 bits. A raw block is its bytes as they are.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "installer/oplog/log_fields.h"
#include "installer/oplog/log_header.h"
#include "installer/oplog/log_records.h"

namespace aw {

// Appends fields to a byte buffer. What an encoding cannot hold is cut so that the log stays
// readable: a fixed text after 259 characters, any text after 65535.
class LogWriter : public LogFieldVisitor {
  public:
    const std::vector<std::uint8_t>& Output() const { return bytes_; }

    void Number(const char* name, std::int32_t& value) override;
    void Text(const char* name, std::string& value) override;
    void FixedText(const char* name, std::string& value) override;
    void Bytes(const char* name, std::uint8_t* data, std::size_t size) override;

  private:
    void Put(std::uint32_t value, std::size_t size);
    void PutText(const std::string& text, std::size_t longest);

    std::vector<std::uint8_t> bytes_;
};

// Reads fields from bytes held in memory, never past their end. After the first failure every
// field leaves its value alone.
class LogReader : public LogFieldVisitor {
  public:
    explicit LogReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool Failed() const { return failure_ != nullptr; }
    // Why reading failed; null while it has not.
    const char* Failure() const { return failure_; }
    std::size_t Position() const { return position_; }
    std::size_t Remaining() const { return bytes_.size() - position_; }

    void Number(const char* name, std::int32_t& value) override;
    void Text(const char* name, std::string& value) override;
    void FixedText(const char* name, std::string& value) override;
    void Bytes(const char* name, std::uint8_t* data, std::size_t size) override;
    void Block(const char* lengthName, const char* dataName,
               std::vector<std::uint8_t>& data) override;

  private:
    bool Take(std::size_t count, const std::uint8_t*& data);
    bool TakeNumber(std::uint32_t& value, std::size_t size);
    void ReadText(std::string& value, std::size_t longest);
    void Fail(const char* failure);

    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
    const char* failure_ = nullptr;
};

std::vector<std::uint8_t> EncodeHeader(LogHeader& header);
// The kind, the undo class, then the kind's fields.
std::vector<std::uint8_t> EncodeRecord(LogRecord& record);

// Where and why a log stopped reading before its end.
struct LogFault {
    std::size_t Offset = 0;
    std::string Reason;
    // The bytes end inside the record at Offset, as when the writer was stopped mid-record;
    // otherwise the bytes there are not a record at all.
    bool CutShort = false;
};

struct ParsedLog {
    // False when the bytes do not even hold a header: then there is nothing else either.
    bool HeaderRead = false;
    LogHeader Header;
    // Every whole record in file order, each with the undo class it was written with.
    std::vector<LogRecord> Records;
    // None when the header and every record read to the end of the bytes.
    std::optional<LogFault> Fault;
};

// Reads records until the bytes end between two records. A header that does not read, a kind
// outside 0..22 or a record cut short (its kind included) is a fault; the records before it
// are kept.
ParsedLog ParseLog(std::span<const std::uint8_t> bytes);

// How many bytes the header at the start of `bytes` takes; none when it does not read.
std::optional<std::size_t> HeaderLength(std::span<const std::uint8_t> bytes);

}  // namespace aw
