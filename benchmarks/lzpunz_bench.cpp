// Expansion throughput of a compressed distribution file pulled a byte at a time through the
// decompression library's input callback, beside zlib's own inflate of the same deflate stream
// with all its input at hand. The package is 48 MiB of mixed content: text, tables of numbers
// and incompressible bytes.
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "benchmarks/lzpunz_entry.h"
#include "installer/lzpunz2/compressed_format.h"
#include "installer/lzpunz2/compressor.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kPackageSize = 48u << 20;
constexpr std::size_t kBlock = 64 * 1024;
constexpr int kRuns = 5;

// Blocks of 64 KiB: six of text, two and a half of tables, one and a half of noise in ten.
Bytes MixedPackage() {
    static const char* const words[] = {"modem ",   "carrier ", "COM2 ",       "installer ",
                                        "the ",     "of ",      "connect\r\n", "SharedDLLs ",
                                        "disk001 ", "version ", "lamp ",       "38400 "};
    std::mt19937 random(2024);
    Bytes bytes;
    bytes.reserve(kPackageSize + kBlock);
    for (std::size_t block = 0; bytes.size() < kPackageSize; ++block) {
        const std::size_t end = bytes.size() + kBlock;
        const std::size_t kind = block * 10 % 40 / 4;
        while (bytes.size() < end) {
            if (kind < 6) {
                const std::string word = random() % 4 == 0 ? std::to_string(random() % 100000) + ' '
                                                           : words[random() % 12];
                bytes.insert(bytes.end(), word.begin(), word.end());
            } else if (kind < 8 || (kind == 8 && block % 2 == 0)) {
                const std::uint32_t field = static_cast<std::uint32_t>(bytes.size() / 16) * 3;
                for (int i = 0; i < 4; ++i) {
                    bytes.push_back(static_cast<std::uint8_t>(field >> (8 * i)));
                }
                bytes.push_back(static_cast<std::uint8_t>(random() % 8));
            } else {
                bytes.push_back(static_cast<std::uint8_t>(random()));
            }
        }
        bytes.resize(end);
    }
    bytes.resize(kPackageSize);
    return bytes;
}

template <typename Work>
double BestSeconds(Work work) {
    double best = 1e9;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

// zlib's raw inflate over the whole stream, writing `outputBlock` bytes at a time.
std::size_t Inflate(const Bytes& deflate, Bytes& out, std::size_t outputBlock) {
    z_stream stream{};
    inflateInit2(&stream, lzpunz::kWindowBits);
    stream.next_in = const_cast<Bytef*>(deflate.data());
    stream.avail_in = static_cast<uInt>(deflate.size());
    int result = Z_OK;
    std::size_t total = 0;
    while (result == Z_OK) {
        stream.next_out = out.data();
        stream.avail_out = static_cast<uInt>(outputBlock);
        result = inflate(&stream, Z_NO_FLUSH);
        total += outputBlock - stream.avail_out;
    }
    inflateEnd(&stream);
    return result == Z_STREAM_END ? total : 0;
}

const Bytes* input = nullptr;
std::size_t next = 0;
unsigned sinceMessages = 0;
unsigned messageTurns = 0;

// As the installer's callback: one byte from the distribution reader, and every 2048 bytes a
// turn for the window messages (only counted here).
int LZPUNZ_CALL NextByte() {
    if (++sinceMessages == 2048) {
        sinceMessages = 0;
        ++messageTurns;
    }
    return next < input->size() ? (*input)[next++] : -1;
}

std::size_t ExpandThroughCallback(const Bytes& file, Bytes& out, int readSize) {
    input = &file;
    next = 0;
    if (bench::EntryOpen(&NextByte, kLzpUnzExpandMode) != 0) {
        return 0;
    }
    std::size_t total = 0;
    int got = 0;
    while ((got = bench::EntryRead(out.data(), readSize)) > 0) {
        total += static_cast<std::size_t>(got);
    }
    bench::EntryClose();
    return got == 0 ? total : 0;
}

void Report(const char* what, std::size_t expanded, double seconds, double baseline) {
    const double rate = static_cast<double>(expanded) / seconds / 1e6;
    std::printf("  %-44s %8.1f MB/s", what, rate);
    if (baseline > 0) {
        std::printf("   %.2fx zlib", rate / baseline);
    }
    std::printf("\n");
}

}  // namespace

int main() {
    if (bench::EntryDescription()[0] == '\0') {
        std::printf("lzpunz2.dll could not be loaded\n");
        return 1;
    }
    const Bytes package = MixedPackage();
    const auto start = std::chrono::steady_clock::now();
    const Bytes file = lzpunz::Compress(package);
    const double compressing =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const Bytes deflate(file.begin() + 4, file.end() - lzpunz::kTrailerSize);
    std::printf("package: %.1f MiB, compressed to %.1f MiB (%.0f %%) at %.1f MB/s\n",
                static_cast<double>(package.size()) / (1 << 20),
                static_cast<double>(file.size()) / (1 << 20),
                100.0 * static_cast<double>(file.size()) / static_cast<double>(package.size()),
                static_cast<double>(package.size()) / compressing / 1e6);
    std::printf("expansion of the whole package, best of %d; callback through %s:\n", kRuns,
                bench::EntryDescription());

    Bytes whole(package.size());
    Bytes small(31 * 1024);
    std::size_t expanded = 0;
    const double zlibWhole = BestSeconds([&] { expanded = Inflate(deflate, whole, whole.size()); });
    if (expanded != package.size() || whole != package) {
        std::printf("zlib's inflate did not give the package back\n");
        return 1;
    }
    const double baseline = static_cast<double>(expanded) / zlibWhole / 1e6;
    Report("zlib inflate, all in one buffer", expanded, zlibWhole, 0);
    Report("zlib inflate, 2 KiB output blocks", expanded,
           BestSeconds([&] { expanded = Inflate(deflate, small, 2048); }), baseline);
    for (const int readSize : {2048, 31 * 1024}) {
        const double seconds =
            BestSeconds([&] { expanded = ExpandThroughCallback(file, small, readSize); });
        if (expanded != package.size()) {
            std::printf("the expansion failed\n");
            return 1;
        }
        const std::string what = "byte callback, " + std::to_string(readSize / 1024) + " KiB reads";
        Report(what.c_str(), expanded, seconds, baseline);
    }
    std::printf("(%u turns for window messages in the last run)\n", messageTurns);
    return 0;
}
