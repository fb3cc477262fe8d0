// The results of the library's entry points, and its one expansion per process.
#include <gtest/gtest.h>

#include "installer/lzpunz2/compressor.h"
#include "installer/lzpunz2/tests/memory_input.h"
#include "installer/lzpunz2/unz_session.h"

namespace lzpunz::testing {
namespace {

int calls = 0;
int LZPUNZ_CALL CountingInput() {
    ++calls;
    return -1;
}

TEST(UnzSessionTest, OnlyModeTwoWithAnInputOpens) {
    UnzSession session;
    calls = 0;
    for (int mode : {0, 1, 3, -1}) {
        EXPECT_EQ(session.Open(&CountingInput, mode), -1) << mode;
    }
    EXPECT_EQ(calls, 0) << "a refused mode reads nothing";
    EXPECT_EQ(session.Open(nullptr, kLzpUnzExpandMode), -1);
    EXPECT_EQ(session.Close(), -1) << "nothing is open after a failed open";
}

TEST(UnzSessionTest, ReadAndCloseNeedAnOpenExpansion) {
    UnzSession session;
    Bytes buffer(16);
    EXPECT_EQ(session.Read(buffer.data(), 16), -1);
    EXPECT_EQ(session.Close(), -1);

    const Bytes file = Compress(Of("abc"));
    MemoryInput::Use(file);
    ASSERT_EQ(session.Open(&MemoryInput::Callback, kLzpUnzExpandMode), 0);
    EXPECT_EQ(session.Close(), 0);
    EXPECT_EQ(session.Read(buffer.data(), 16), -1);
    EXPECT_EQ(session.Close(), -1);
}

TEST(UnzSessionTest, ReadResultsThroughTheEnd) {
    UnzSession session;
    const Bytes file = Compress(Of("abcdef"));
    MemoryInput::Use(file);
    ASSERT_EQ(session.Open(&MemoryInput::Callback, kLzpUnzExpandMode), 0);
    Bytes buffer(4);
    EXPECT_EQ(session.Read(buffer.data(), -1), -1);
    EXPECT_EQ(session.Read(nullptr, 4), -1);
    EXPECT_EQ(session.Read(buffer.data(), 0), 0);
    EXPECT_EQ(session.Read(buffer.data(), 4), 4);
    EXPECT_EQ(buffer, Of("abcd"));
    EXPECT_EQ(session.Read(buffer.data(), 4), 2);
    EXPECT_EQ(session.Read(buffer.data(), 4), 0);
    EXPECT_EQ(session.Read(buffer.data(), 4), 0) << "the end stays the end";
    EXPECT_EQ(MemoryInput::CallsAfterEnd(), 0u);
    EXPECT_EQ(session.Close(), 0);
}

// A caller that gave up on a file without closing it can still expand the next one.
TEST(UnzSessionTest, OpenDuringAnExpansionStartsAfresh) {
    UnzSession session;
    const Bytes first = Compress(TextLike(100000, 21));
    MemoryInput::Use(first);
    ASSERT_EQ(session.Open(&MemoryInput::Callback, kLzpUnzExpandMode), 0);
    Bytes buffer(1000);
    ASSERT_EQ(session.Read(buffer.data(), 1000), 1000);

    const Bytes second = Compress(Of("second file"));
    MemoryInput::Use(second);
    ASSERT_EQ(session.Open(&MemoryInput::Callback, kLzpUnzExpandMode), 0);
    ASSERT_EQ(session.Read(buffer.data(), 1000), 11);
    EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + 11), Of("second file"));
    EXPECT_EQ(session.Read(buffer.data(), 1000), 0);
    EXPECT_EQ(session.Close(), 0);
}

}  // namespace
}  // namespace lzpunz::testing
