// The compressed format, pinned by bytes written by hand, and round trips through the session
// that the library's entry points drive.
#include <gtest/gtest.h>
#include <zlib.h>

#include <string>

#include "installer/lzpunz2/compressed_format.h"
#include "installer/lzpunz2/compressor.h"
#include "installer/lzpunz2/tests/memory_input.h"

namespace lzpunz::testing {
namespace {

TEST(CompressedFormatTest, HandWrittenFileExpands) {
    // Signature, one stored final deflate block of five bytes, CRC-32 and size of "hello".
    const Bytes file = {'L', 'Z', 'P', '2',  0x01, 0x05, 0x00, 0xFA, 0xFF, 'h',  'e',
                        'l', 'l', 'o', 0x86, 0xA6, 0x10, 0x36, 0x05, 0x00, 0x00, 0x00};
    EXPECT_EQ(ExpandAll(file, 2048), Of("hello"));
}

TEST(CompressedFormatTest, CompressorWritesSignatureRawDeflateAndTrailer) {
    const Bytes file = Compress(Of("hello"));
    ASSERT_GE(file.size(), 4u + 8u);
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 4), Of("LZP2"));
    EXPECT_EQ(Bytes(file.end() - 8, file.end()),
              (Bytes{0x86, 0xA6, 0x10, 0x36, 0x05, 0x00, 0x00, 0x00}));

    // What lies between is a raw deflate stream that zlib itself takes back to the text.
    z_stream stream{};
    ASSERT_EQ(inflateInit2(&stream, -15), Z_OK);
    Bytes middle(file.begin() + 4, file.end() - 8);
    Bytes out(16);
    stream.next_in = middle.data();
    stream.avail_in = static_cast<uInt>(middle.size());
    stream.next_out = out.data();
    stream.avail_out = static_cast<uInt>(out.size());
    EXPECT_EQ(inflate(&stream, Z_FINISH), Z_STREAM_END);
    EXPECT_EQ(stream.avail_in, 0u);
    out.resize(stream.total_out);
    inflateEnd(&stream);
    EXPECT_EQ(out, Of("hello"));
}

TEST(CompressedFormatTest, EmptyFileHasZeroChecksumAndSize) {
    const Bytes file = Compress({});
    ASSERT_GE(file.size(), 4u + 8u);
    EXPECT_EQ(Bytes(file.end() - 8, file.end()), Bytes(8, 0));
    EXPECT_EQ(ExpandAll(file, 2048), Bytes());
}

struct RoundTrip {
    const char* name;
    Bytes (*make)();
    int readSize;
};

void PrintTo(const RoundTrip& trip, std::ostream* out) {
    *out << trip.name;
}

class RoundTripTest : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(RoundTripTest, ExpandsToTheSameBytesWithTheSizeAtTheEnd) {
    const Bytes data = GetParam().make();
    const Bytes file = Compress(data);
    ASSERT_FALSE(file.empty());
    EXPECT_EQ(LoadLittleEndian32(file.data() + file.size() - 4), data.size());
    const std::optional<Bytes> expanded = ExpandAll(file, GetParam().readSize);
    ASSERT_TRUE(expanded.has_value());
    EXPECT_TRUE(*expanded == data) << expanded->size() << " bytes instead of " << data.size();
}

INSTANTIATE_TEST_SUITE_P(
    Data, RoundTripTest,
    ::testing::Values(
        RoundTrip{"Empty", [] { return Bytes(); }, 2048},
        RoundTrip{"OneByte", [] { return Bytes{0x5A}; }, 1},
        RoundTrip{"TextByteByByte", [] { return TextLike(40000, 1); }, 1},
        RoundTrip{"LargeText", [] { return TextLike(3 << 20, 2); }, 2048},
        RoundTrip{"LargeTextBigReads", [] { return TextLike(3 << 20, 3); }, 31 * 1024},
        RoundTrip{"Incompressible", [] { return Incompressible(1 << 20, 4); }, 2048},
        RoundTrip{"IncompressibleOddReads", [] { return Incompressible(200000, 5); }, 777}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CompressedFormatTest, IncompressibleDataGrowsByLittle) {
    const Bytes data = Incompressible(1 << 20, 6);
    EXPECT_LE(Compress(data).size(), data.size() + data.size() / 1000 + 32);
}

TEST(CompressedFormatTest, CompressorTakesDataInPieces) {
    const Bytes data = TextLike(300000, 7);
    Bytes file;
    struct : ByteSink {
        Bytes* out;
        bool Put(std::span<const std::uint8_t> bytes) override {
            out->insert(out->end(), bytes.begin(), bytes.end());
            return true;
        }
    } sink;
    sink.out = &file;
    Compressor compressor(sink);
    for (std::size_t at = 0; at < data.size(); at += 4097) {
        ASSERT_TRUE(compressor.Write(
            std::span(data).subspan(at, std::min<std::size_t>(4097, data.size() - at))));
    }
    ASSERT_TRUE(compressor.Finish());
    EXPECT_FALSE(compressor.Write(data)) << "nothing can follow the trailer";
    EXPECT_EQ(ExpandAll(file, 2048), data);
}

TEST(CompressedFormatTest, SinkFailureFailsTheCompressor) {
    struct : ByteSink {
        bool Put(std::span<const std::uint8_t>) override { return false; }
    } sink;
    Compressor compressor(sink);
    EXPECT_FALSE(compressor.Write(Of("data")));
    EXPECT_FALSE(compressor.Finish());
}

}  // namespace
}  // namespace lzpunz::testing
