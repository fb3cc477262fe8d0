#include "installer/oplog/program_item.h"

#include <algorithm>
#include <cstring>

namespace aw {

namespace {

constexpr std::size_t kNameOffset = 20;
constexpr std::size_t kCommandLineOffset = kNameOffset + ProgramItem::kNameSize;
constexpr std::size_t kIconFileOffset = kCommandLineOffset + ProgramItem::kCommandLineSize;
constexpr std::size_t kWorkingDirectoryOffset = kIconFileOffset + ProgramItem::kPathSize;
static_assert(kWorkingDirectoryOffset + ProgramItem::kPathSize == kProgramItemSize);

void PutNumber(ProgramItemBytes& bytes, std::size_t offset, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<std::uint8_t>(bits >> (8 * i));
    }
}

std::int32_t GetNumber(const ProgramItemBytes& bytes, std::size_t offset) {
    std::uint32_t bits = 0;
    for (std::size_t i = 4; i > 0; --i) {
        bits = (bits << 8) | bytes[offset + i - 1];
    }
    return static_cast<std::int32_t>(bits);
}

void PutText(ProgramItemBytes& bytes, std::size_t offset, std::size_t size,
             const std::string& text) {
    const std::size_t length = std::min(text.size(), size - 1);
    std::memcpy(bytes.data() + offset, text.data(), length);
}

std::string GetText(const ProgramItemBytes& bytes, std::size_t offset, std::size_t size) {
    const auto* begin = reinterpret_cast<const char*>(bytes.data() + offset);
    const void* zero = std::memchr(begin, '\0', size);
    return std::string(begin, zero != nullptr ? static_cast<const char*>(zero) : begin + size);
}

}  // namespace

ProgramItemBytes PackProgramItem(const ProgramItem& item) {
    ProgramItemBytes bytes{};
    PutNumber(bytes, 0, item.X);
    PutNumber(bytes, 4, item.Y);
    PutNumber(bytes, 8, item.HotKey);
    PutNumber(bytes, 12, item.IconIndex);
    PutNumber(bytes, 16, item.RunMinimised);
    PutText(bytes, kNameOffset, ProgramItem::kNameSize, item.Name);
    PutText(bytes, kCommandLineOffset, ProgramItem::kCommandLineSize, item.CommandLine);
    PutText(bytes, kIconFileOffset, ProgramItem::kPathSize, item.IconFile);
    PutText(bytes, kWorkingDirectoryOffset, ProgramItem::kPathSize, item.WorkingDirectory);
    return bytes;
}

ProgramItem UnpackProgramItem(const ProgramItemBytes& bytes) {
    ProgramItem item;
    item.X = GetNumber(bytes, 0);
    item.Y = GetNumber(bytes, 4);
    item.HotKey = GetNumber(bytes, 8);
    item.IconIndex = GetNumber(bytes, 12);
    item.RunMinimised = GetNumber(bytes, 16);
    item.Name = GetText(bytes, kNameOffset, ProgramItem::kNameSize);
    item.CommandLine = GetText(bytes, kCommandLineOffset, ProgramItem::kCommandLineSize);
    item.IconFile = GetText(bytes, kIconFileOffset, ProgramItem::kPathSize);
    item.WorkingDirectory = GetText(bytes, kWorkingDirectoryOffset, ProgramItem::kPathSize);
    return item;
}

}  // namespace aw
