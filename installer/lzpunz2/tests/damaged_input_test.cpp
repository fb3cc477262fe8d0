// Damaged, short and mismatched files fail cleanly: no wrong data is ever reported as a
// successful expansion, and the input is never read past its end.
#include <gtest/gtest.h>

#include "installer/lzpunz2/compressed_format.h"
#include "installer/lzpunz2/compressor.h"
#include "installer/lzpunz2/tests/memory_input.h"
#include "installer/lzpunz2/unz_session.h"

namespace lzpunz::testing {
namespace {

class DamagedInputTest : public ::testing::Test {
  protected:
    const Bytes data = TextLike(3000, 11);
    const Bytes file = Compress(data);
};

TEST_F(DamagedInputTest, EveryTruncationFails) {
    for (std::size_t size = 0; size < file.size(); ++size) {
        SCOPED_TRACE(size);
        EXPECT_FALSE(ExpandAll(Bytes(file.begin(), file.begin() + size), 2048).has_value());
    }
}

// A changed bit in the last deflate byte's padding changes nothing; any other change must
// fail rather than hand out different bytes.
TEST_F(DamagedInputTest, EveryChangedByteFailsOrExpandsToTheOriginal) {
    for (std::size_t at = 0; at < file.size(); ++at) {
        for (std::uint8_t flip : {0x01, 0x10, 0x80, 0xFF}) {
            SCOPED_TRACE(::testing::Message() << "byte " << at << " ^ " << int(flip));
            Bytes damaged = file;
            damaged[at] ^= flip;
            const std::optional<Bytes> expanded = ExpandAll(damaged, 2048);
            if (expanded) {
                EXPECT_TRUE(*expanded == data);
            }
        }
    }
}

TEST_F(DamagedInputTest, WrongTrailerFails) {
    const std::size_t sizeAt = file.size() - 4;
    const std::size_t crcAt = file.size() - 8;
    for (std::uint32_t size : {data.size() + 1, data.size() - 1, data.size() | 0x80000000u, 0ul}) {
        Bytes wrong = file;
        StoreLittleEndian32(size, wrong.data() + sizeAt);
        EXPECT_FALSE(ExpandAll(wrong, 2048).has_value()) << "size " << size;
    }
    Bytes wrongChecksum = file;
    StoreLittleEndian32(LoadLittleEndian32(file.data() + crcAt) + 1, wrongChecksum.data() + crcAt);
    EXPECT_FALSE(ExpandAll(wrongChecksum, 2048).has_value());
}

TEST_F(DamagedInputTest, BytesAfterTheTrailerFail) {
    Bytes longer = file;
    longer.push_back(0);
    EXPECT_FALSE(ExpandAll(longer, 2048).has_value());
    Bytes twoFiles = file;
    twoFiles.insert(twoFiles.end(), file.begin(), file.end());
    EXPECT_FALSE(ExpandAll(twoFiles, 2048).has_value());
}

TEST_F(DamagedInputTest, FileWithoutTheSignatureIsRefusedAtOpen) {
    Bytes unsigned_ = file;
    unsigned_[3] = '1';
    UnzSession session;
    MemoryInput::Use(unsigned_);
    EXPECT_EQ(session.Open(&MemoryInput::Callback, kLzpUnzExpandMode), -1);
    Bytes buffer(16);
    EXPECT_EQ(session.Read(buffer.data(), 16), -1);
    EXPECT_EQ(session.Close(), -1);
}

// The installer's callback answers -1 when its reader runs dry before the stored size; a
// callback value outside 0..255 ends the input the same way.
int LZPUNZ_CALL SignatureThenOutOfRange() {
    static const Bytes start = {'L', 'Z', 'P', '2', 0x01};
    static std::size_t next = 0;
    return next < start.size() ? start[next++] : 256;
}

TEST_F(DamagedInputTest, OutOfRangeInputValueEndsTheInput) {
    UnzSession session;
    ASSERT_EQ(session.Open(&SignatureThenOutOfRange, kLzpUnzExpandMode), 0);
    Bytes buffer(2048);
    EXPECT_EQ(session.Read(buffer.data(), 2048), -1);
    EXPECT_EQ(session.Read(buffer.data(), 2048), -1) << "a failed expansion stays failed";
}

}  // namespace
}  // namespace lzpunz::testing
