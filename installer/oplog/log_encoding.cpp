#include "installer/oplog/log_encoding.h"

#include <algorithm>
#include <cstring>

namespace aw {

namespace {

constexpr std::size_t kNumberSize = 4;
constexpr std::size_t kLongestText = 0xFFFF;
// A length byte of this value announces a 16-bit length.
constexpr std::uint8_t kLongLength = 0xFF;

constexpr char kCutShort[] = "the file ends inside a field";
constexpr char kNegativeLength[] = "a raw block has a negative length";
constexpr char kFixedTextTooLong[] = "a fixed text is longer than 259 characters";

std::string Describe(std::size_t offset, const std::string& what) {
    return "at byte " + std::to_string(offset) + ": " + what;
}

}  // namespace

void LogWriter::Put(std::uint32_t value, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        bytes_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

void LogWriter::PutText(const std::string& text, std::size_t longest) {
    const std::size_t length = std::min(text.size(), longest);
    if (length < kLongLength) {
        Put(static_cast<std::uint32_t>(length), 1);
    } else {
        Put(kLongLength, 1);
        Put(static_cast<std::uint32_t>(length), 2);
    }
    bytes_.insert(bytes_.end(), text.begin(), text.begin() + static_cast<std::ptrdiff_t>(length));
}

void LogWriter::Number(const char*, std::int32_t& value) {
    Put(static_cast<std::uint32_t>(value), kNumberSize);
}

void LogWriter::Text(const char*, std::string& value) {
    PutText(value, kLongestText);
}

void LogWriter::FixedText(const char*, std::string& value) {
    PutText(value, kLogFixedTextLength);
}

void LogWriter::Bytes(const char*, std::uint8_t* data, std::size_t size) {
    bytes_.insert(bytes_.end(), data, data + size);
}

void LogReader::Fail(const char* failure) {
    if (failure_ == nullptr) {
        failure_ = failure;
    }
}

bool LogReader::Take(std::size_t count, const std::uint8_t*& data) {
    if (Failed()) {
        return false;
    }
    if (count > Remaining()) {
        Fail(kCutShort);
        return false;
    }
    data = bytes_.data() + position_;
    position_ += count;
    return true;
}

bool LogReader::TakeNumber(std::uint32_t& value, std::size_t size) {
    const std::uint8_t* data = nullptr;
    if (!Take(size, data)) {
        return false;
    }
    value = 0;
    for (std::size_t i = size; i > 0; --i) {
        value = (value << 8) | data[i - 1];
    }
    return true;
}

void LogReader::Number(const char*, std::int32_t& value) {
    std::uint32_t bits = 0;
    if (TakeNumber(bits, kNumberSize)) {
        value = static_cast<std::int32_t>(bits);
    }
}

void LogReader::ReadText(std::string& value, std::size_t longest) {
    std::uint32_t length = 0;
    if (!TakeNumber(length, 1) || (length == kLongLength && !TakeNumber(length, 2))) {
        return;
    }
    if (length > longest) {
        Fail(kFixedTextTooLong);
        return;
    }
    const std::uint8_t* data = nullptr;
    if (Take(length, data)) {
        value.assign(reinterpret_cast<const char*>(data), length);
    }
}

void LogReader::Text(const char*, std::string& value) {
    ReadText(value, kLongestText);
}

void LogReader::FixedText(const char*, std::string& value) {
    ReadText(value, kLogFixedTextLength);
}

void LogReader::Bytes(const char*, std::uint8_t* buffer, std::size_t size) {
    const std::uint8_t* data = nullptr;
    if (Take(size, data) && size > 0) {
        std::memcpy(buffer, data, size);
    }
}

void LogReader::Block(const char*, const char*, std::vector<std::uint8_t>& data) {
    std::uint32_t length = 0;
    if (!TakeNumber(length, kNumberSize)) {
        return;
    }
    if (static_cast<std::int32_t>(length) < 0) {
        Fail(kNegativeLength);
        return;
    }
    const std::uint8_t* block = nullptr;
    if (Take(length, block)) {
        data.assign(block, block + length);
    }
}

std::vector<std::uint8_t> EncodeHeader(LogHeader& header) {
    LogWriter writer;
    header.Fields(writer);
    return writer.Output();
}

std::vector<std::uint8_t> EncodeRecord(LogRecord& record) {
    LogWriter writer;
    std::int32_t kind = static_cast<std::int32_t>(record.Kind());
    writer.Int("kind", kind);
    writer.Int("undoClass", record.UndoClass);
    record.Fields(writer);
    return writer.Output();
}

ParsedLog ParseLog(std::span<const std::uint8_t> bytes) {
    ParsedLog log;
    LogReader reader(bytes);
    log.Header.Fields(reader);
    if (reader.Failed()) {
        log.Fault = LogFault{0, Describe(0, std::string("the header: ") + reader.Failure())};
        return log;
    }
    log.HeaderRead = true;
    while (reader.Remaining() > 0) {
        const std::size_t start = reader.Position();
        std::int32_t kind = 0;
        reader.Int("kind", kind);
        std::optional<LogPayload> payload = NewPayload(kind);
        if (reader.Failed()) {
            log.Fault = LogFault{start, Describe(start, "a record's kind is cut short"), true};
            return log;
        }
        if (!payload) {
            log.Fault = LogFault{start, Describe(start, "record kind " + std::to_string(kind) +
                                                            " is not one of 0..22")};
            return log;
        }
        LogRecord record{0, std::move(*payload)};
        reader.Int("undoClass", record.UndoClass);
        record.Fields(reader);
        if (reader.Failed()) {
            log.Fault = LogFault{
                start, Describe(start, std::string(LogKindName(kind)) + ": " + reader.Failure()),
                reader.Failure() == kCutShort};
            return log;
        }
        log.Records.push_back(std::move(record));
    }
    return log;
}

std::optional<std::size_t> HeaderLength(std::span<const std::uint8_t> bytes) {
    LogReader reader(bytes);
    LogHeader header;
    header.Fields(reader);
    if (reader.Failed()) {
        return std::nullopt;
    }
    return reader.Position();
}

}  // namespace aw
