#include "tools/distpack/tests/packing_fixture.h"

#include <fstream>
#include <iterator>

#include "installer/lzpunz2/unz_session.h"

namespace aw::testing {

namespace {

const Bytes* expandInput = nullptr;
std::size_t expandNext = 0;

int LZPUNZ_CALL NextByte() {
    return expandNext < expandInput->size() ? (*expandInput)[expandNext++] : -1;
}

}  // namespace

Bytes Numbered(std::size_t count, std::uint32_t first) {
    Bytes bytes(count);
    for (std::size_t i = 0; i < count; ++i) {
        // A mixing hash of the number: nothing repeats, so deflate cannot shrink it.
        std::uint32_t n = (first + static_cast<std::uint32_t>(i)) * 0x9E3779B1u;
        n = (n ^ (n >> 15)) * 0x85EBCA77u;
        bytes[i] = static_cast<std::uint8_t>((n ^ (n >> 13)) >> 24);
    }
    return bytes;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

Bytes Slice(const Bytes& bytes, std::size_t from, std::size_t count) {
    return Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(from),
                 bytes.begin() + static_cast<std::ptrdiff_t>(from + count));
}

std::optional<Bytes> Expand(const Bytes& file) {
    expandInput = &file;
    expandNext = 0;
    lzpunz::UnzSession session;
    if (session.Open(&NextByte, kLzpUnzExpandMode) != 0) {
        return std::nullopt;
    }
    Bytes expanded;
    std::uint8_t buffer[2048];
    int got = 0;
    while ((got = session.Read(buffer, sizeof buffer)) > 0) {
        expanded.insert(expanded.end(), buffer, buffer + got);
    }
    session.Close();
    return got == 0 ? std::optional(expanded) : std::nullopt;
}

void PackingTest::SetUp() {
    ScratchDirectoryTest::SetUp();
    std::filesystem::create_directories(directory / "in");
    media = directory / "media";
}

std::filesystem::path PackingTest::Input(const std::string& name, const Bytes& bytes) {
    const std::filesystem::path path = directory / "in" / name;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    EXPECT_TRUE(out.good()) << path;
    return path;
}

Bytes PackingTest::Media(const std::string& path) const {
    std::ifstream in(media / path, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::set<std::string> PackingTest::MediaFiles() const {
    std::set<std::string> files;
    if (!std::filesystem::exists(media)) {
        return files;
    }
    for (const auto& entry : std::filesystem::recursive_directory_iterator(media)) {
        if (entry.is_regular_file()) {
            files.insert(entry.path().lexically_relative(media).generic_string());
        }
    }
    return files;
}

}  // namespace aw::testing
