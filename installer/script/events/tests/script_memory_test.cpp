// What the largest script the installer accepts costs in memory, and what a load does when
// memory runs out. The heap is counted by replacing the global allocation functions, so these
// tests have a program of their own.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <limits>
#include <new>
#include <string>
#include <vector>

#include "installer/script/events/event_classes.h"
#include "installer/script/events/event_registry.h"
#include "installer/script/events/system_events.h"
#include "installer/script/model/script_loader.h"
#include "installer/script/model/tests/fakes/fake_files.h"
#include "installer/script/model/tests/fakes/fake_report.h"
#include "tools/scriptbuild/script_writer.h"

namespace {

// Each block costs its size and 16 bytes of the allocator's own (a fair figure for the system's
// heaps), and carries its size in front so that the count goes down again when it is released.
constexpr std::size_t kHeader = 16;
std::size_t g_inUse = 0;
std::size_t g_peak = 0;
std::size_t g_limit = std::numeric_limits<std::size_t>::max();

void* Allocate(std::size_t size) {
    if (size > g_limit - g_inUse - kHeader) {
        return nullptr;
    }
    auto* block = static_cast<unsigned char*>(std::malloc(size + kHeader));
    if (block == nullptr) {
        return nullptr;
    }
    *reinterpret_cast<std::size_t*>(block) = size + kHeader;
    g_inUse += size + kHeader;
    g_peak = std::max(g_peak, g_inUse);
    return block + kHeader;
}

void Release(void* pointer) {
    if (pointer == nullptr) {
        return;
    }
    auto* block = static_cast<unsigned char*>(pointer) - kHeader;
    g_inUse -= *reinterpret_cast<std::size_t*>(block);
    std::free(block);
}

}  // namespace

void* operator new(std::size_t size) {
    if (void* pointer = Allocate(size)) {
        return pointer;
    }
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return Allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return Allocate(size);
}
void operator delete(void* pointer) noexcept {
    Release(pointer);
}
void operator delete[](void* pointer) noexcept {
    Release(pointer);
}
void operator delete(void* pointer, std::size_t) noexcept {
    Release(pointer);
}
void operator delete[](void* pointer, std::size_t) noexcept {
    Release(pointer);
}

namespace aw {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The heap that `work` takes at its peak.
std::size_t PeakHeap(const std::function<void()>& work) {
    const std::size_t before = g_inUse;
    g_peak = g_inUse;
    work();
    return g_peak - before;
}

// A 16-bit, version 300 script of exactly kLargestScript bytes, all but a few of them in one
// list of `element` repeated. `withMarker` puts one element into the list whose encoding starts
// with the text "<marker>" at `markerOffset`; the list's long count precedes that element.
Bytes LargestScript(const std::function<void(InstallScript&, bool)>& withMarker,
                    std::size_t markerOffset, const Bytes& element) {
    InstallScript empty;
    withMarker(empty, false);
    const Bytes without = WriteScript(empty, true, 300).value();
    InstallScript marked;
    withMarker(marked, true);
    const Bytes with = WriteScript(marked, true, 300).value();
    const std::string marker = "\x08<marker>";
    const auto found = std::search(with.begin(), with.end(), marker.begin(), marker.end());
    const std::size_t count = static_cast<std::size_t>(found - with.begin()) - markerOffset - 4;

    const std::size_t elements = (kLargestScript - without.size()) / element.size();
    Bytes bytes(without.begin(), without.begin() + static_cast<std::ptrdiff_t>(count));
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.push_back(static_cast<std::uint8_t>(elements >> shift));
    }
    for (std::size_t i = 0; i < elements; ++i) {
        bytes.insert(bytes.end(), element.begin(), element.end());
    }
    bytes.insert(bytes.end(), without.begin() + static_cast<std::ptrdiff_t>(count) + 4,
                 without.end());
    bytes.resize(kLargestScript);  // what follows the last field is ignored
    return bytes;
}

// Lists whose elements are the shortest in the file against their size in memory.
Bytes LargestDirectoryPairs() {
    return LargestScript(
        [](InstallScript& script, bool marked) {
            BuildStyle& style = script.Build.Styles.AddNew();
            if (marked) {
                style.Directories.AddNew().Source = "<marker>";
            }
        },
        0, {0, 0});
}

Bytes LargestAdditionalFiles() {
    return LargestScript(
        [](InstallScript& script, bool marked) {
            if (marked) {
                SetFixedText(script.Additional.Entries.AddNew().First, "<marker>");
            }
        },
        0, {0, 0, 0, 0});
}

Bytes LargestEvents() {
    return LargestScript(
        [](InstallScript& script, bool marked) {
            if (marked) {
                auto event = std::make_unique<ReadIni>();
                event->Condition = "<marker>";
                script.Events.Add(std::move(event));
            }
        },
        6, {23, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
}

class LargestScriptTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(RegisterEventClasses(registry)); }

    std::size_t Load(const Bytes& bytes) {
        EXPECT_EQ(bytes.size(), kLargestScript);
        files.Files["C:\\SETUP\\install.inf"] = bytes;
        return PeakHeap([&] {
            InstallScript script;
            EXPECT_TRUE(LoadScript(files, registry, report, script));
        });
    }

    testing::FakeReport report;
    EventRegistry registry{report};
    testing::FakeFiles files;
};

// The figure: at most 48 bytes of heap for each byte of the largest script, whatever it holds
// (96 MiB for 2 MiB of the shortest elements; about two thirds of that on the 32-bit target).
constexpr std::size_t kHeapPerScriptByte = 48;

TEST_F(LargestScriptTest, ShortestElementsStayWithinTheStatedMemory) {
    for (const auto& [name, bytes] : {std::pair{"directory pairs", LargestDirectoryPairs()},
                                      std::pair{"additional files", LargestAdditionalFiles()},
                                      std::pair{"events", LargestEvents()}}) {
        const std::size_t heap = Load(bytes);
        std::printf("%s: %zu bytes of heap, %.1f per script byte\n", name, heap,
                    static_cast<double>(heap) / kLargestScript);
        EXPECT_LE(heap, kHeapPerScriptByte * kLargestScript) << name;
    }
}

// On the 32-bit target a damaged script can exhaust the address space; the load then fails
// with its own message instead of ending the program.
TEST_F(LargestScriptTest, MemoryRunningOutEndsInTheLoadMessage) {
    files.Files["C:\\SETUP\\install.inf"] = LargestDirectoryPairs();
    InstallScript script;
    g_limit = g_inUse + 8 * 1024 * 1024;
    const bool loaded = LoadScript(files, registry, report, script);
    g_limit = std::numeric_limits<std::size_t>::max();
    EXPECT_FALSE(loaded);
    EXPECT_EQ(report.Errors, std::vector<std::string>{"Unable to load C:\\SETUP\\install.inf"});
    EXPECT_TRUE(script.Events.Empty());
}

TEST_F(LargestScriptTest, OneByteMoreIsRefused) {
    Bytes bytes = LargestEvents();
    bytes.push_back(0);
    files.Files["C:\\SETUP\\install.inf"] = bytes;
    InstallScript script;
    EXPECT_FALSE(LoadScript(files, registry, report, script));
    EXPECT_EQ(report.Errors, std::vector<std::string>{"Unable to load C:\\SETUP\\install.inf"});
}

}  // namespace
}  // namespace aw
